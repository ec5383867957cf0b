// The snowflakes inside the globe: their physics and their drawing.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

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
//
// The flakes are kept as one array per component so that a step runs as straight-line vector
// code; every value comes out exactly as the per-flake arithmetic gives it. The w components,
// which never reach x, y or z, are not carried.
class SnowSystem {
 public:
  static constexpr std::size_t kFlakeCount = 8000;

  // dt in milliseconds; force from the globe's offset; centre is the globe offset itself.
  // The first step draws every flake's start from `random`.
  void Step(float dt, const Float4& force, const Float4& centre, SceneRandom& random);

  // One flake as a record (w components 1).
  SnowFlake Flake(std::size_t i) const;
  std::vector<SnowFlake> Snapshot() const;
  // Positions and masses for drawing, in flake order.
  const float* X() const { return px_.data(); }
  const float* Y() const { return py_.data(); }
  const float* Z() const { return pz_.data(); }
  const float* Mass() const { return mass_.data(); }
  Float4 Drift(std::size_t i) const { return {dx_[i], dy_[i], dz_[i], 1.0f}; }
  float Gain(std::size_t i) const { return gain_[i]; }
  bool NeedsInit() const { return needsInit_; }

  // The force the globe offset gives for a frame of dt milliseconds: a long frame gives a
  // proportionally weaker kick.
  static Float4 ForceFromOffset(const Float4& offset, float dt);

 private:
  using Lane = std::array<float, kFlakeCount>;
  void Initialise(SceneRandom& random);

  Lane px_{}, py_{}, pz_{};
  Lane vx_{}, vy_{}, vz_{};
  Lane fx_{}, fy_{}, fz_{};
  Lane mass_{}, gate_{};
  Lane dx_{}, dy_{}, dz_{};
  Lane gain_{};
  Float4 previousForce_{0, 0, 0, 1};
  float radius_ = 2.0f;
  bool needsInit_ = true;
};

}  // namespace frost
