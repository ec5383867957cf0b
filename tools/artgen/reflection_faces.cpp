#include "reflection_faces.h"

namespace frost::artgen {
namespace {

// OpenGL's cube-map face layout: for each face the major axis and the directions in which
// the s (column) and t (row) coordinates grow; t = 0 is the first, top row of the JPEG.
constexpr std::array<FaceFrame, 6> kGlFaces = {{
    {{0.5, 0.0, 0.0}, {0.0, 0.0, -1.0}, {0.0, -1.0, 0.0}},   // +X: s = -z, t = -y
    {{-0.5, 0.0, 0.0}, {0.0, 0.0, 1.0}, {0.0, -1.0, 0.0}},   // -X: s = +z, t = -y
    {{0.0, 0.5, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}},     // +Y: s = +x, t = +z
    {{0.0, -0.5, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, -1.0}},   // -Y: s = +x, t = -z
    {{0.0, 0.0, 0.5}, {1.0, 0.0, 0.0}, {0.0, -1.0, 0.0}},    // +Z: s = +x, t = -y
    {{0.0, 0.0, -0.5}, {-1.0, 0.0, 0.0}, {0.0, -1.0, 0.0}},  // -Z: s = -x, t = -y
}};

// The globe pass looks reflections up through the texture matrix rotate(90 about Y) times the
// inverse camera rotation: a world direction w is fetched at R w, with R turning +Z (up) to +X.
// A texel at cube-map direction c therefore shows world direction R^-1 c = (-c.z, c.y, c.x).
constexpr Vec3 ToWorld(const Vec3& c) {
  return {-c.z, c.y, c.x};
}

}  // namespace

const std::array<FaceFrame, 6>& ReflectionFrames() {
  static const std::array<FaceFrame, 6> kFrames = [] {
    std::array<FaceFrame, 6> frames{};
    for (std::size_t i = 0; i < frames.size(); ++i) {
      frames[i] = {ToWorld(kGlFaces[i].centre), ToWorld(kGlFaces[i].across),
                   ToWorld(kGlFaces[i].down)};
    }
    return frames;
  }();
  return kFrames;
}

}  // namespace frost::artgen
