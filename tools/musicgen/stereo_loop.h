// The loop being built: two channels exactly one loop long. Everything added to it wraps
// around, so a note that rings past the end is heard again at the beginning, just as it will
// be when the player starts the file over.
#pragma once

#include <cstdint>
#include <vector>

namespace frost::musicgen {

class StereoLoop {
 public:
  explicit StereoLoop(std::int64_t frames);

  std::int64_t Frames() const { return static_cast<std::int64_t>(left_.size()); }

  // Adds a mono sound starting at `start` (any frame, even past the end or before zero),
  // scaled by `leftGain` and `rightGain`.
  void AddMono(std::int64_t start, const std::vector<float>& sound, float leftGain,
               float rightGain);
  void AddStereo(std::int64_t start, const std::vector<float>& left,
                 const std::vector<float>& right, float gain);
  // Adds another loop of the same length, frame for frame.
  void Mix(const StereoLoop& other, float gain);

  float Left(std::int64_t frame) const { return left_[Wrap(frame)]; }
  float Right(std::int64_t frame) const { return right_[Wrap(frame)]; }
  std::vector<float>& LeftChannel() { return left_; }
  std::vector<float>& RightChannel() { return right_; }
  const std::vector<float>& LeftChannel() const { return left_; }
  const std::vector<float>& RightChannel() const { return right_; }

  // Largest absolute sample in either channel.
  float Peak() const;

 private:
  std::size_t Wrap(std::int64_t frame) const;

  std::vector<float> left_;
  std::vector<float> right_;
};

}  // namespace frost::musicgen
