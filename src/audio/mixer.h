// The software mixer: the streams on their channels and the CD, each at its volume, summed,
// clipped to 16 bits for the sound card, and (while the analyser is on) the spectrum of the sum.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "audio/fft_analyser.h"
#include "audio/streaming_source.h"

namespace frost {

class Mixer {
 public:
  explicit Mixer(int channels);

  // The sound card's thread. Mixes in blocks of at most kBlockFrames, and refreshes the
  // spectrum after each block: about every 11.6 ms of music at 44100 Hz.
  static constexpr int kBlockFrames = 512;
  void Fill(std::int16_t* stereo, int frames);

  // The program's thread.
  int ChannelCount() const { return static_cast<int>(channels_.size()); }
  // `channel` -1 takes the first free one. Returns the channel, or -1 when none is free.
  int Play(int channel, std::shared_ptr<StreamingSource> source);
  // Takes the source off its channel; false when it was not playing.
  bool Stop(const StreamingSource* source);
  bool SetVolume(int channel, int volume);               // 0 to 255
  void PlayCd(std::shared_ptr<StreamingSource> source);  // null stops the CD
  void SetAnalyser(bool on);
  // The newest spectrum, or false when the analyser is off or nothing plays.
  bool CopySpectrum(float* bins);
  // Drops every source (the caller makes sure the sound card no longer calls Fill).
  void Clear();

 private:
  struct Channel {
    std::shared_ptr<StreamingSource> source;
    float gain = 1.0f;
  };
  void MixBlock(float* mix, int frames);

  std::mutex mutex_;  // channels_, cd_, analyserOn_
  std::vector<Channel> channels_;
  std::shared_ptr<StreamingSource> cd_;
  bool analyserOn_ = false;
  std::vector<float> scratch_;

  // Sound card thread only.
  SpectrumAnalyser analyser_;
  std::vector<float> history_;  // the last kSpectrumWindow mono samples, oldest first
  std::vector<float> bins_;

  std::mutex spectrumMutex_;  // published_, hasSpectrum_
  std::vector<float> published_;
  bool hasSpectrum_ = false;
};

}  // namespace frost
