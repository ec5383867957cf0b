#include "snow_ground.h"

#include <cmath>
#include <vector>

#include "noise.h"
#include "parallel_rows.h"
#include "random.h"
#include "vec3.h"

namespace frost::artgen {

Image SnowGround(int size) {
  const TileNoise drifts(0x5D01u), ripples(0x5D02u), grain(0x5D03u);
  // Height of the snow surface; the picture is lit from it.
  std::vector<double> height(static_cast<std::size_t>(size) * size);
  ForEachRow(size, [&](int y) {
    for (int x = 0; x < size; ++x) {
      const double u = (x + 0.5) / size, v = (y + 0.5) / size;
      const double broad = drifts.Fractal(u, v, 3, 5, 0.5);
      // Ripples run across the wind: lattice cells long in u, short in v.
      const double ripple = ripples.Fractal(u, v, 3, 22, 3, 0.45);
      const double fine = grain.Fractal(u, v, 48, 2, 0.5);
      height[static_cast<std::size_t>(y) * size + x] = broad * 2.2 + ripple * 0.16 + fine * 0.03;
    }
  });
  const auto h = [&](int x, int y) {
    x = (x % size + size) % size;
    y = (y % size + size) % size;
    return height[static_cast<std::size_t>(y) * size + x];
  };
  const Vec3 light = Normalize({0.35, -0.6, 0.75});
  const Colour lit{0.98, 0.99, 1.0}, shade{0.68, 0.76, 0.92};
  Image image(size, size);
  ForEachRow(size, [&](int y) {
    for (int x = 0; x < size; ++x) {
      const double dx = (h(x + 1, y) - h(x - 1, y)) * size * 0.012;
      const double dy = (h(x, y + 1) - h(x, y - 1)) * size * 0.012;
      const Vec3 normal = Normalize({-dx, dy, 1.0});  // rows run down the picture
      const double diffuse = Clamp01(Dot(normal, light));
      const double cavity = Smoothstep(-1.2, 0.8, h(x, y));  // hollows hold blue shade
      Colour c = Mix(shade, lit, Clamp01(0.15 + 0.85 * diffuse) * (0.75 + 0.25 * cavity));
      // Sparse single-texel glints of ice.
      const std::uint32_t r = HashLattice(0x61177u, x, y);
      if (HashUnit(r) < 0.0035 && diffuse > 0.6) c = c + Grey(0.12 + 0.2 * HashUnit(Hash32(r)));
      image.At(x, y) = c;
    }
  });
  return image;
}

Image DetailGrain(int size) {
  const TileNoise mottling(0xDE7A1u), speckle(0xDE7A2u);
  Image image(size, size);
  ForEachRow(size, [&](int y) {
    for (int x = 0; x < size; ++x) {
      const double u = (x + 0.5) / size, v = (y + 0.5) / size;
      const double m = mottling.Fractal(u, v, 8, 4, 0.6);
      const double s = speckle.Fractal(u, v, 64, 2, 0.5);
      const double white = HashUnit(HashLattice(0xDE7A3u, x, y)) - 0.5;
      image.At(x, y) = Grey(0.88 + 0.07 * m + 0.04 * s + 0.03 * white);
    }
  });
  return image;
}

}  // namespace frost::artgen
