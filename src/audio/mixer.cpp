#include "audio/mixer.h"

#include <algorithm>
#include <cmath>

namespace frost {

Mixer::Mixer(int channels)
    : channels_(static_cast<std::size_t>(std::max(channels, 0))),
      scratch_(kBlockFrames * 2),
      history_(kSpectrumWindow, 0.0f),
      bins_(kSpectrumBins, 0.0f),
      published_(kSpectrumBins, 0.0f) {}

int Mixer::Play(int channel, std::shared_ptr<StreamingSource> source) {
  std::shared_ptr<StreamingSource> replaced;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (channel < 0) {
      for (std::size_t c = 0; c < channels_.size(); ++c) {
        if (!channels_[c].source) {
          channel = static_cast<int>(c);
          break;
        }
      }
      if (channel < 0) return -1;
    }
    if (channel >= ChannelCount()) return -1;
    Channel& slot = channels_[static_cast<std::size_t>(channel)];
    replaced = std::move(slot.source);
    slot.source = std::move(source);
    slot.gain = 1.0f;
  }
  return channel;  // a replaced source is let go here, outside the lock
}

bool Mixer::Stop(const StreamingSource* source) {
  std::shared_ptr<StreamingSource> stopped;
  std::lock_guard<std::mutex> lock(mutex_);
  for (Channel& slot : channels_) {
    if (slot.source && slot.source.get() == source) {
      stopped = std::move(slot.source);
      return true;
    }
  }
  return false;
}

bool Mixer::SetVolume(int channel, int volume) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (channel < 0 || channel >= ChannelCount()) return false;
  channels_[static_cast<std::size_t>(channel)].gain =
      static_cast<float>(std::clamp(volume, 0, 255)) / 255.0f;
  return true;
}

void Mixer::PlayCd(std::shared_ptr<StreamingSource> source) {
  std::shared_ptr<StreamingSource> previous;
  std::lock_guard<std::mutex> lock(mutex_);
  previous = std::move(cd_);
  cd_ = std::move(source);
}

void Mixer::SetAnalyser(bool on) {
  std::lock_guard<std::mutex> lock(mutex_);
  analyserOn_ = on;
}

bool Mixer::CopySpectrum(float* bins) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!analyserOn_) return false;
    const bool playing = cd_ != nullptr || std::any_of(channels_.begin(), channels_.end(),
                                                       [](const Channel& c) { return c.source; });
    if (!playing) return false;
  }
  std::lock_guard<std::mutex> lock(spectrumMutex_);
  if (hasSpectrum_) {
    std::copy(published_.begin(), published_.end(), bins);
  } else {
    std::fill_n(bins, kSpectrumBins, 0.0f);
  }
  return true;
}

void Mixer::Clear() {
  std::vector<Channel> dropped;
  std::shared_ptr<StreamingSource> cd;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    dropped.swap(channels_);
    channels_.resize(dropped.size());
    cd = std::move(cd_);
    analyserOn_ = false;
  }
  std::lock_guard<std::mutex> lock(spectrumMutex_);
  hasSpectrum_ = false;
}

void Mixer::MixBlock(float* mix, int frames) {
  const auto count = static_cast<std::size_t>(frames);
  auto add = [&](StreamingSource& source, float gain) {
    const std::size_t got = source.Read(scratch_.data(), count);
    for (std::size_t i = 0; i < got * 2; ++i) mix[i] += scratch_[i] * gain;
  };
  for (Channel& slot : channels_) {
    if (slot.source) add(*slot.source, slot.gain);
  }
  if (cd_) add(*cd_, 1.0f);
}

void Mixer::Fill(std::int16_t* stereo, int frames) {
  float mix[kBlockFrames * 2];
  for (int done = 0; done < frames;) {
    const int block = std::min(kBlockFrames, frames - done);
    std::fill_n(mix, block * 2, 0.0f);
    bool analyse = false;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      MixBlock(mix, block);
      analyse = analyserOn_;
    }
    for (int i = 0; i < block * 2; ++i) {
      mix[i] = std::clamp(mix[i], -1.0f, 1.0f);
      stereo[done * 2 + i] = static_cast<std::int16_t>(std::lround(mix[i] * 32767.0f));
    }
    if (analyse) {
      // The newest `block` mono samples go to the end of the window.
      std::copy(history_.begin() + block, history_.end(), history_.begin());
      float* newest = history_.data() + (kSpectrumWindow - block);
      for (int i = 0; i < block; ++i) newest[i] = 0.5f * (mix[i * 2] + mix[i * 2 + 1]);
      if (analyser_.Compute(history_.data(), bins_.data())) {
        std::lock_guard<std::mutex> lock(spectrumMutex_);
        published_ = bins_;
        hasSpectrum_ = true;
      }
    }
    done += block;
  }
}

}  // namespace frost
