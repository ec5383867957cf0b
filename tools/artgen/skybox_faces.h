#pragma once

#include <array>

#include "cube_face.h"

namespace frost::artgen {

enum class SkyboxFace { kUp, kDown, kLeft, kRight, kFront, kBack };

// The directions the skybox drawing code shows each grave_*.jpg in, as seen from the cube's
// centre (world +Z up). In the order up, down, left, right, front, back.
const std::array<FaceFrame, 6>& SkyboxFrames();

}  // namespace frost::artgen
