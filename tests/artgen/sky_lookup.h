#pragma once

#include <array>
#include <functional>
#include <vector>

#include "decoded_image.h"

namespace frost::artgen::testing {

struct Dir {
  double x = 0.0, y = 0.0, z = 0.0;
};
Dir Unit(const Dir& d);
double AngleBetween(const Dir& a, const Dir& b);  // radians

// Where a direction lands on a cube of six pictures: which picture, and the texture
// coordinates there (s across, t down the file).
struct CubeHit {
  int face = -1;
  double s = 0.0;
  double t = 0.0;
};

// The skybox exactly as the drawing code builds it: the matrix calls (glRotatef, glTranslatef)
// replayed on a small matrix stack, and the textured quad of DrawQuad(w, h), with the pictures
// in the order up, down, left, right, front, back.
class DrawnSkybox {
 public:
  DrawnSkybox();
  // The world direction (from the cube's centre) of texture coordinate (s, t) on a face;
  // s and t may lie a little outside 0..1, to step over an edge.
  Dir Direction(int face, double s, double t) const;
  CubeHit Hit(const Dir& direction) const;

 private:
  struct Face {
    std::array<double, 16> model;  // column-major, as OpenGL keeps it
    double width, height;          // the DrawQuad arguments
  };
  std::array<Face, 6> faces_;
};

// A reflection cube map as OpenGL samples it (major-axis face selection of the cube-map
// extension), in load order +X, -X, +Y, -Y, +Z, -Z; the argument is the cube-map direction.
CubeHit GlCubeMapHit(const Dir& c);
Dir GlCubeMapDirection(int face, double s, double t);

// The globe pass fetches a world direction w at rotate(90 about Y) * w.
Dir GlobeTextureMatrix(const Dir& world);

// The texel nearest to (s, t), clamped to the picture, as GL_CLAMP_TO_EDGE would.
const std::uint8_t* TexelAt(const DecodedImage& image, double s, double t);
int TexelSum(const DecodedImage& image, double s, double t);

// How six pictures wrap round the viewer: texture coordinates to direction and back.
struct CubeLayout {
  std::function<Dir(int face, double s, double t)> direction;
  std::function<CubeHit(const Dir&)> hit;
};
CubeLayout SkyboxLayout();
CubeLayout GlCubeMapLayout();

// Mean colour step across one edge of a face (side 0 left column, 1 right, 2 top row,
// 3 bottom), each border texel against the texel just over the edge on the neighbouring
// face; and, for scale, the mean step from the border texel to its inward neighbour. Only
// border texels whose position along the edge lies in [from, to] count.
struct EdgeContrast {
  double across = 0.0;
  double inward = 0.0;
};
EdgeContrast MeasureEdge(const std::vector<DecodedImage>& faces, const CubeLayout& layout, int face,
                         int side, double from = 0.0, double to = 1.0);

}  // namespace frost::artgen::testing
