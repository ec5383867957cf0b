#pragma once

#include <array>
#include <functional>

#include "image.h"
#include "vec3.h"

namespace frost::artgen {

// Where one square picture of a cube looks: the texel at column fraction u (0 left, 1 right) and
// row fraction v (0 top row of the file, 1 bottom row) shows the world direction
// centre + (u - 0.5) * across + (v - 0.5) * down. Every cube picture is painted from these
// directions, so neighbouring faces meet without a seam whatever their orientation.
struct FaceFrame {
  Vec3 centre;
  Vec3 across;
  Vec3 down;
};

inline Vec3 FaceDirection(const FaceFrame& face, double u, double v) {
  return face.centre + face.across * (u - 0.5) + face.down * (v - 0.5);
}

using DirectionShader = std::function<Colour(const Vec3& unitDirection)>;

// Paints a size x size face, averaging samples x samples directions per texel.
Image RenderFace(const FaceFrame& face, int size, int samples, const DirectionShader& shader);

}  // namespace frost::artgen
