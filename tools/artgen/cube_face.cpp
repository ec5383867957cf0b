#include "cube_face.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "parallel_rows.h"

namespace frost::artgen {
namespace {

double Difference(const Colour& a, const Colour& b) {
  return std::max({std::fabs(a.r - b.r), std::fabs(a.g - b.g), std::fabs(a.b - b.b)});
}

}  // namespace

// One sample per texel first; only texels that differ clearly from a neighbour (silhouettes,
// the sun's rim, tree tops) are then averaged over samples x samples directions. Smooth sky
// needs no more, and this keeps the generator quick enough to run in every build.
Image RenderFace(const FaceFrame& face, int size, int samples, const DirectionShader& shader) {
  Image image(size, size);
  ForEachRow(size, [&](int y) {
    for (int x = 0; x < size; ++x) {
      const double u = (x + 0.5) / size, v = (y + 0.5) / size;
      image.At(x, y) = shader(Normalize(FaceDirection(face, u, v)));
    }
  });
  if (samples <= 1) return image;

  std::vector<char> refine(static_cast<std::size_t>(size) * size, 0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const Colour& c = image.At(x, y);
      const bool edge = (x > 0 && Difference(c, image.At(x - 1, y)) > 0.04) ||
                        (x + 1 < size && Difference(c, image.At(x + 1, y)) > 0.04) ||
                        (y > 0 && Difference(c, image.At(x, y - 1)) > 0.04) ||
                        (y + 1 < size && Difference(c, image.At(x, y + 1)) > 0.04);
      refine[static_cast<std::size_t>(y) * size + x] = edge ? 1 : 0;
    }
  }
  const double weight = 1.0 / (samples * samples);
  ForEachRow(size, [&](int y) {
    for (int x = 0; x < size; ++x) {
      if (!refine[static_cast<std::size_t>(y) * size + x]) continue;
      Colour sum;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          const double u = (x + (sx + 0.5) / samples) / size;
          const double v = (y + (sy + 0.5) / samples) / size;
          sum = sum + shader(Normalize(FaceDirection(face, u, v)));
        }
      }
      image.At(x, y) = sum * weight;
    }
  });
  return image;
}

}  // namespace frost::artgen
