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
    // Draw order matters: the first number of each triple is z, the last x.
    pz_[i] = coordinate();
    py_[i] = coordinate();
    px_[i] = coordinate();
    mass_[i] = static_cast<float>(random.Next() % 10000 * 0.001 + 0.1);
    vz_[i] = unit() * 100.0f;
    vy_[i] = unit() * 100.0f;
    vx_[i] = unit() * 100.0f;
    dz_[i] = coordinate();
    dy_[i] = coordinate();
    dx_[i] = coordinate();
    gain_[i] = static_cast<float>(random.Next() % 10000 * 0.0002 - 0.1);
    fx_[i] = fy_[i] = fz_[i] = 0.0f;
    gate_[i] = 1.0f;
  }
}

SnowFlake SnowSystem::Flake(std::size_t i) const {
  SnowFlake flake;
  flake.mass = mass_[i];
  flake.position = {px_[i], py_[i], pz_[i], 1.0f};
  flake.velocity = {vx_[i], vy_[i], vz_[i], 1.0f};
  flake.force = {fx_[i], fy_[i], fz_[i], 1.0f};
  flake.gate = gate_[i];
  return flake;
}

std::vector<SnowFlake> SnowSystem::Snapshot() const {
  std::vector<SnowFlake> flakes(kFlakeCount);
  for (std::size_t i = 0; i < kFlakeCount; ++i) flakes[i] = Flake(i);
  return flakes;
}

void SnowSystem::Step(float dt, const Float4& force, const Float4& centre, SceneRandom& random) {
  if (needsInit_) {
    needsInit_ = false;
    Initialise(random);
  }
  const float cx = force.x - previousForce_.x;
  const float cy = force.y - previousForce_.y;
  const float cz = force.z - previousForce_.z;
  const float s = dt * 0.00075f;
  const float gx = centre.x;
  const float gy = centre.y;
  const float gz = centre.z;
  const float radius = radius_;
  // Branches are written as selects so that the loop vectorises; a lane that does not take a
  // rule computes it anyway and keeps its old value (multiplying by exactly 1 changes nothing).
  for (std::size_t i = 0; i < kFlakeCount; ++i) {
    // Kick: the globe's movement, plus this flake's own drift, scaled by its mass and gain.
    const float m = mass_[i] + 0.1f;
    const float g = gain_[i];
    float fx = fx_[i] + (cx + dx_[i] * 0.00002f) * m * 3000.0f * g;
    float fy = fy_[i] + (cy + dy_[i] * 0.00002f) * m * 3000.0f * g;
    float fz = fz_[i] + (cz + dz_[i] * 0.00002f) * m * 3000.0f * g;

    // Glass: a flake outside the sphere is put back on it and bounces off at 5 percent.
    float px = px_[i];
    float py = py_[i];
    float pz = pz_[i];
    float vx = vx_[i];
    float vy = vy_[i];
    float vz = vz_[i];
    const float ox = px - gx;
    const float oy = py - gy;
    const float oz = pz - gz;
    const float length = std::sqrt(ox * ox + oy * oy + oz * oz);
    const bool outside = length > radius;
    const float ix = -(ox / length);
    const float iy = -(oy / length);
    const float iz = -(oz / length);
    const float depth = length - radius;
    const float along = vx * ix + vy * iy + vz * iz;
    const float nx = ix * along;
    const float ny = iy * along;
    const float nz = iz * along;
    px = outside ? px + ix * depth : px;
    py = outside ? py + iy * depth : py;
    pz = outside ? pz + iz * depth : pz;
    vx = outside ? (vx - nx) - nx * 0.05f : vx;
    vy = outside ? (vy - ny) - ny * 0.05f : vy;
    vz = outside ? (vz - nz) - nz * 0.05f : vz;

    // Integrate.
    const bool moving = gate_[i] >= 0.00001f;
    const float inverseMass = 1.0f / mass_[i];
    const float nvx = vx + fx * inverseMass * s;
    const float nvy = vy + fy * inverseMass * s;
    const float nvz = vz + fz * inverseMass * s;
    vx = moving ? nvx : vx;
    vy = moving ? nvy : vy;
    vz = moving ? nvz : vz;
    px = moving ? px + vx * s : px;
    py = moving ? py + vy * s : py;
    pz = moving ? pz + vz * s : pz;
    fx = moving ? 0.0f : fx;
    fy = moving ? 0.0f : fy;
    fz = moving ? 0.0f : fz;

    // Speed limits.
    const float halve = std::sqrt(vx * vx + vy * vy + vz * vz) > 3.0f ? 0.5f : 1.0f;
    vx = vx * halve * 0.9985f;
    vy = vy * halve * 0.9985f;
    vz = vz * halve * 0.9985f;
    const float damp = std::sqrt(vx * vx + vy * vy + vz * vz) > 1.0f ? 0.99f : 1.0f;
    vx_[i] = vx * damp;
    vy_[i] = vy * damp;
    vz_[i] = vz * damp;
    px_[i] = px;
    py_[i] = py;
    pz_[i] = pz;
    fx_[i] = fx;
    fy_[i] = fy;
    fz_[i] = fz;
  }
  previousForce_ = force;
}

}  // namespace frost
