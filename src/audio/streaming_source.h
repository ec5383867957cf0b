// A decoder running ahead on a thread of its own, so that file reads and decoding never hold up
// the sound card: the mixer only ever takes frames that are already waiting in the ring.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>

#include "audio/pcm_decoder.h"
#include "audio/pcm_ring.h"

namespace frost {

class StreamingSource {
 public:
  // About a second and a half of music waits in the ring at 44100 Hz.
  static constexpr std::size_t kRingFrames = 65536;

  explicit StreamingSource(std::unique_ptr<PcmDecoder> decoder);
  ~StreamingSource();
  StreamingSource(const StreamingSource&) = delete;
  StreamingSource& operator=(const StreamingSource&) = delete;

  // Mixer side: up to `frames` frames; fewer when the decoder has fallen behind or ended.
  std::size_t Read(float* stereo, std::size_t frames) { return ring_.Read(stereo, frames); }
  std::size_t Buffered() const { return ring_.Buffered(); }
  // The decoder has given its last frame (they may still wait in the ring).
  bool Ended() const { return ended_.load(std::memory_order_acquire); }

 private:
  void Run();

  std::unique_ptr<PcmDecoder> decoder_;
  PcmRing ring_{kRingFrames};
  std::atomic<bool> ended_{false};
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace frost
