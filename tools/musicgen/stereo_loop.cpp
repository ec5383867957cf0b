#include "stereo_loop.h"

#include <algorithm>
#include <cmath>

namespace frost::musicgen {

StereoLoop::StereoLoop(std::int64_t frames)
    : left_(static_cast<std::size_t>(frames), 0.0f),
      right_(static_cast<std::size_t>(frames), 0.0f) {}

std::size_t StereoLoop::Wrap(std::int64_t frame) const {
  const std::int64_t frames = Frames();
  std::int64_t wrapped = frame % frames;
  if (wrapped < 0) wrapped += frames;
  return static_cast<std::size_t>(wrapped);
}

void StereoLoop::AddMono(std::int64_t start, const std::vector<float>& sound, float leftGain,
                         float rightGain) {
  std::size_t at = Wrap(start);
  for (const float sample : sound) {
    left_[at] += sample * leftGain;
    right_[at] += sample * rightGain;
    if (++at == left_.size()) at = 0;
  }
}

void StereoLoop::AddStereo(std::int64_t start, const std::vector<float>& left,
                           const std::vector<float>& right, float gain) {
  std::size_t at = Wrap(start);
  const std::size_t length = std::min(left.size(), right.size());
  for (std::size_t i = 0; i < length; ++i) {
    left_[at] += left[i] * gain;
    right_[at] += right[i] * gain;
    if (++at == left_.size()) at = 0;
  }
}

void StereoLoop::Mix(const StereoLoop& other, float gain) {
  for (std::size_t i = 0; i < left_.size(); ++i) {
    left_[i] += other.left_[i] * gain;
    right_[i] += other.right_[i] * gain;
  }
}

float StereoLoop::Peak() const {
  float peak = 0.0f;
  for (std::size_t i = 0; i < left_.size(); ++i) {
    peak = std::max({peak, std::fabs(left_[i]), std::fabs(right_[i])});
  }
  return peak;
}

}  // namespace frost::musicgen
