#include "scene/snow_system.h"

namespace frost {

Float4 SnowSystem::ForceFromOffset(const Float4& offset, float dt) {
  if (dt <= 40.0f) return offset * 0.333f;
  const float scale = dt * 0.1f;
  const Float4 force = offset * 0.333f;
  return {force.x / scale, force.y / scale, force.z / scale, force.w / scale};
}

void SnowSystem::Initialise(SceneRandom& random) {
  // Each value is worked out in double and stored as a float.
  auto coordinate = [&random] { return static_cast<float>(random.Next() % 1000 * 0.004 - 2.0); };
  auto unit = [&random] { return static_cast<float>(random.Next() % 1000 * 0.002 - 1.0); };
  for (std::size_t i = 0; i < kFlakeCount; ++i) {
    SnowFlake& flake = flakes_[i];
    // Draw order matters: the first number of each triple is z, the last x.
    const float pz = coordinate();
    const float py = coordinate();
    const float px = coordinate();
    flake.position = {px, py, pz, 1.0f};
    flake.mass = static_cast<float>(random.Next() % 10000 * 0.001 + 0.1);
    const float vz = unit();
    const float vy = unit();
    const float vx = unit();
    flake.velocity = Float4{vx, vy, vz, 1.0f} * 100.0f;
    const float dz = coordinate();
    const float dy = coordinate();
    const float dx = coordinate();
    drift_[i] = {dx, dy, dz, 1.0f};
    gain_[i] = static_cast<float>(random.Next() % 10000 * 0.0002 - 0.1);
  }
}

void SnowSystem::Step(float dt, const Float4& force, const Float4& centre, SceneRandom& random) {
  if (needsInit_) {
    needsInit_ = false;
    Initialise(random);
  }
  const Float4 change = force - previousForce_;
  const float s = dt * 0.00075f;
  for (std::size_t i = 0; i < kFlakeCount; ++i) {
    SnowFlake& flake = flakes_[i];
    // Kick: the globe's movement, plus this flake's own drift, scaled by its mass and gain.
    const Float4 kick = (change + drift_[i] * 0.00002f) * (flake.mass + 0.1f) * 3000.0f * gain_[i];
    flake.force = flake.force + kick;

    // Glass: a flake outside the sphere is put back on it and bounces off at 5 percent.
    const Float4 offset = flake.position - centre;
    const float length = offset.Length3();
    if (length > radius_) {
      const Float4 normal{offset.x / length, offset.y / length, offset.z / length, 1.0f};
      const Float4 inward = -normal;
      flake.position = flake.position + inward * (length - radius_);
      const Float4 normalPart = inward * flake.velocity.Dot3(inward);
      const Float4 tangentPart = flake.velocity - normalPart;
      flake.velocity = tangentPart - normalPart * 0.05f;
    }

    if (flake.gate >= 0.00001f) {
      const float inverseMass = 1.0f / flake.mass;
      flake.velocity = flake.velocity + flake.force * inverseMass * s;
      flake.force = {0.0f, 0.0f, 0.0f, 1.0f};
      flake.position = flake.position + flake.velocity * s;
    }

    if (flake.velocity.Length3() > 3.0f) flake.velocity = flake.velocity * 0.5f;
    flake.velocity = flake.velocity * 0.9985f;
    if (flake.velocity.Length3() > 1.0f) flake.velocity = flake.velocity * 0.99f;
  }
  previousForce_ = force;
}

}  // namespace frost
