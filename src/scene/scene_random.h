// The scene's one pseudo-random sequence.
#pragma once

#include <cstdint>

namespace frost {

// The one pseudo-random sequence of the scene, shared by the snow and the camera path. It is
// never seeded, so every run draws the same numbers and a frame at a given time looks the same.
class SceneRandom {
 public:
  // 0 to 32767.
  int Next() {
    seed_ = seed_ * 214013u + 2531011u;
    return static_cast<int>((seed_ >> 16) & 0x7FFFu);
  }
  std::uint32_t Seed() const { return seed_; }

 private:
  std::uint32_t seed_ = 1;
};

// The process-wide sequence.
SceneRandom& TheSceneRandom();

}  // namespace frost
