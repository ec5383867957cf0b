#pragma once

#include <array>
#include <cstddef>

#include "scene/float4.h"
#include "scene/scene_random.h"

namespace frost {

struct SnowFlake {
  float mass = 1.0f;
  Float4 position{0, 0, 0, 1};
  Float4 velocity{0, 0, 0, 1};
  Float4 force{0, 0, 0, 1};
  float gate = 1.0f;  // integration runs only while this is at least 0.00001
};

// The snow inside the globe: 8000 point masses, kicked whenever the globe moves, drifting each
// its own way, damped, and kept inside the glass (radius 2 around the globe's centre).
class SnowSystem {
 public:
  static constexpr std::size_t kFlakeCount = 8000;

  // dt in milliseconds; force from the globe's offset; centre is the globe offset itself.
  // The first step draws every flake's start from `random`.
  void Step(float dt, const Float4& force, const Float4& centre, SceneRandom& random);

  const std::array<SnowFlake, kFlakeCount>& Flakes() const { return flakes_; }
  const Float4& Drift(std::size_t i) const { return drift_[i]; }
  float Gain(std::size_t i) const { return gain_[i]; }
  bool NeedsInit() const { return needsInit_; }

  // The force the globe offset gives for a frame of dt milliseconds: a long frame gives a
  // proportionally weaker kick.
  static Float4 ForceFromOffset(const Float4& offset, float dt);

 private:
  void Initialise(SceneRandom& random);

  std::array<SnowFlake, kFlakeCount> flakes_{};
  std::array<Float4, kFlakeCount> drift_{};
  std::array<float, kFlakeCount> gain_{};
  Float4 previousForce_{0, 0, 0, 1};
  float radius_ = 2.0f;
  bool needsInit_ = true;
};

}  // namespace frost
