#include "skybox_faces.h"

namespace frost::artgen {

// How the frames follow from the drawing code. DrawQuad(w, h) puts texture coordinate
// (s, t) = (0.5 + x / w, 0.5 + y / h) at local point (x, y, 0), and a decoded JPEG's top row is
// t = 0, so column fraction u = s and row fraction v = t. Composing each face's glRotate and
// glTranslate calls (a unit cube, the eye at its centre):
//
//   up    translate(0, 0, 0.5), quad(-1, -1):            (x, y, 0) -> ( x,  y,  0.5)
//         u = 0.5 - x, v = 0.5 - y      => direction (0.5 - u, 0.5 - v, 0.5)
//   down  translate(0, 0, -0.5), quad(-1, -1):            direction (0.5 - u, 0.5 - v, -0.5)
//   left  rotate(-90 about X) translate(0, 0, 0.5), quad(1, 1): (x, y, 0) -> (x, 0.5, -y)
//         u = 0.5 + x, v = 0.5 + y      => direction (u - 0.5, 0.5, 0.5 - v)
//   right as left with translate(0, 0, -0.5): direction (u - 0.5, -0.5, 0.5 - v)
//   front rotate(90 about Y) translate(0, 0, 0.5) rotate(90 about Z), quad(1, -1):
//         (x, y, 0) -> (0.5, x, y), u = 0.5 + x, v = 0.5 - y => direction (0.5, u - 0.5, 0.5 - v)
//   back  as front, then translate(0, 0, -1), quad(-1, -1): (x, y, 0) -> (-0.5, x, y),
//         u = 0.5 - x, v = 0.5 - y      => direction (-0.5, 0.5 - u, 0.5 - v)
//
// So left looks along +Y, right along -Y, front along +X, back along -X; every side face has its
// top row at the top (+Z), and all but left are mirrored left to right as seen from inside.
const std::array<FaceFrame, 6>& SkyboxFrames() {
  static const std::array<FaceFrame, 6> kFrames = {{
      {{0.0, 0.0, 0.5}, {-1.0, 0.0, 0.0}, {0.0, -1.0, 0.0}},   // up
      {{0.0, 0.0, -0.5}, {-1.0, 0.0, 0.0}, {0.0, -1.0, 0.0}},  // down
      {{0.0, 0.5, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, -1.0}},    // left
      {{0.0, -0.5, 0.0}, {1.0, 0.0, 0.0}, {0.0, 0.0, -1.0}},   // right
      {{0.5, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, -1.0}},    // front
      {{-0.5, 0.0, 0.0}, {0.0, -1.0, 0.0}, {0.0, 0.0, -1.0}},  // back
  }};
  return kFrames;
}

}  // namespace frost::artgen
