#include "noise.h"

#include <array>
#include <cmath>

#include "random.h"

namespace frost::artgen {
namespace {

constexpr double Fade(double t) {
  return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}
constexpr double Lerp(double a, double b, double t) {
  return a + (b - a) * t;
}

// The twelve cube-edge directions: no axis is favoured, so the noise has no grid look.
constexpr std::array<std::array<double, 3>, 12> kEdges = {{{1, 1, 0},
                                                           {-1, 1, 0},
                                                           {1, -1, 0},
                                                           {-1, -1, 0},
                                                           {1, 0, 1},
                                                           {-1, 0, 1},
                                                           {1, 0, -1},
                                                           {-1, 0, -1},
                                                           {0, 1, 1},
                                                           {0, -1, 1},
                                                           {0, 1, -1},
                                                           {0, -1, -1}}};

double Corner3(std::uint32_t seed, int i, int j, int k, double x, double y, double z) {
  const auto& g = kEdges[HashLattice(seed, i, j, k) % 12];
  return g[0] * x + g[1] * y + g[2] * z;
}

// Sixteen evenly spaced unit directions for the 2D noise.
double Corner2(std::uint32_t seed, int i, int j, double x, double y) {
  static const std::array<std::array<double, 2>, 16> kDirections = [] {
    std::array<std::array<double, 2>, 16> d{};
    for (int n = 0; n < 16; ++n) {
      const double angle = 2.0 * 3.14159265358979323846 * (n + 0.5) / 16.0;
      d[n] = {std::cos(angle), std::sin(angle)};
    }
    return d;
  }();
  const auto& g = kDirections[HashLattice(seed, i, j) % 16];
  return g[0] * x + g[1] * y;
}

int Wrap(int i, int period) {
  const int r = i % period;
  return r < 0 ? r + period : r;
}

}  // namespace

double Noise3::At(double x, double y, double z) const {
  const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  const int i = static_cast<int>(fx), j = static_cast<int>(fy), k = static_cast<int>(fz);
  const double dx = x - fx, dy = y - fy, dz = z - fz;
  const double u = Fade(dx), v = Fade(dy), w = Fade(dz);
  const auto c = [&](int a, int b, int e) {
    return Corner3(seed_, i + a, j + b, k + e, dx - a, dy - b, dz - e);
  };
  const double x00 = Lerp(c(0, 0, 0), c(1, 0, 0), u), x10 = Lerp(c(0, 1, 0), c(1, 1, 0), u);
  const double x01 = Lerp(c(0, 0, 1), c(1, 0, 1), u), x11 = Lerp(c(0, 1, 1), c(1, 1, 1), u);
  return Lerp(Lerp(x00, x10, v), Lerp(x01, x11, v), w);
}

double Noise3::Fractal(double x, double y, double z, int octaves, double gain) const {
  double sum = 0.0, amplitude = 1.0, norm = 0.0, frequency = 1.0;
  for (int o = 0; o < octaves; ++o) {
    // Each octave is shifted so lattice points of different octaves never coincide.
    sum += amplitude * At(x * frequency + 17.3 * o, y * frequency - 9.1 * o, z * frequency);
    norm += amplitude;
    amplitude *= gain;
    frequency *= 2.0;
  }
  return sum / norm * 1.6;
}

double TileNoise::At(double x, double y, int periodX, int periodY) const {
  const double fx = std::floor(x), fy = std::floor(y);
  const int i = static_cast<int>(fx), j = static_cast<int>(fy);
  const double dx = x - fx, dy = y - fy;
  const double u = Fade(dx), v = Fade(dy);
  const auto c = [&](int a, int b) {
    return Corner2(seed_, Wrap(i + a, periodX), Wrap(j + b, periodY), dx - a, dy - b);
  };
  return Lerp(Lerp(c(0, 0), c(1, 0), u), Lerp(c(0, 1), c(1, 1), u), v) * 1.4142;
}

double TileNoise::Fractal(double u, double v, int cells, int octaves, double gain) const {
  return Fractal(u, v, cells, cells, octaves, gain);
}

double TileNoise::Fractal(double u, double v, int cellsX, int cellsY, int octaves,
                          double gain) const {
  double sum = 0.0, amplitude = 1.0, norm = 0.0;
  for (int o = 0; o < octaves; ++o) {
    const int px = cellsX << o, py = cellsY << o;
    // An octave-dependent whole-cell shift decorrelates the octaves and keeps the wrap exact.
    sum += amplitude * At(u * px + 7 * o, v * py + 3 * o, px, py);
    norm += amplitude;
    amplitude *= gain;
  }
  return sum / norm * 1.4;
}

}  // namespace frost::artgen
