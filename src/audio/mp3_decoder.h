// MP3 files through libmpg123, read through the platform's file access, looped seamlessly.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "audio/pcm_decoder.h"

struct mpg123_handle_struct;

namespace frost {

class Mp3Decoder : public PcmDecoder {
 public:
  // Opens `path` and checks that it really is MPEG audio. On failure returns null and sets
  // `error` to the sound library's code: file not found, error loading file (empty or
  // unreadable), unknown file format, or out of memory.
  static std::unique_ptr<Mp3Decoder> Open(const std::string& path, int rate, bool loop, int& error);
  ~Mp3Decoder() override;

  // With looping the music goes on from the first sample after the last, with no gap: the
  // encoder's delay and padding are cut (gapless decoding). A file in which a whole pass
  // yields nothing ends instead of spinning.
  std::size_t Decode(float* stereo, std::size_t frames) override;

 private:
  Mp3Decoder(mpg123_handle_struct* handle, bool loop) : handle_(handle), loop_(loop) {}

  mpg123_handle_struct* handle_;
  bool loop_;
  std::size_t framesThisPass_ = 0;
  bool finished_ = false;
};

}  // namespace frost
