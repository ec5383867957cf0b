#pragma once

#include <array>

#include "cube_face.h"

namespace frost::artgen {

// The world directions shown by the six pictures of a reflection cube map, in load order
// (front, back, top, bottom, left, right = +X, -X, +Y, -Y, +Z, -Z of the cube map).
const std::array<FaceFrame, 6>& ReflectionFrames();

}  // namespace frost::artgen
