#include "sprites.h"

#include <algorithm>
#include <cmath>

#include "vec3.h"

namespace frost::artgen {
namespace {

// Distance from p to the segment a-b.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double ex = bx - ax, ey = by - ay;
  const double t = std::clamp(((px - ax) * ex + (py - ay) * ey) / (ex * ex + ey * ey), 0.0, 1.0);
  return std::hypot(px - ax - t * ex, py - ay - t * ey);
}

// Coverage of one crystal point. The plane is folded into one twelfth (the snowflake's
// dihedral symmetry), so one arm with branches on one side draws all six arms and both sides.
double CrystalAt(double x, double y, double pixel) {
  const double r = std::hypot(x, y);
  double angle = std::fmod(std::atan2(y, x) + 2.0 * kPi, Radians(60.0));
  if (angle > Radians(30.0)) angle = Radians(60.0) - angle;
  const double fx = r * std::cos(angle), fy = r * std::sin(angle);

  const auto ink = [pixel](double distance, double halfWidth) {
    return Smoothstep(halfWidth + pixel, halfWidth - pixel, distance);
  };
  // Arm, tapering towards the tip.
  const double along = std::clamp(fx / 0.86, 0.0, 1.0);
  double cover = ink(SegmentDistance(fx, fy, 0.0, 0.0, 0.86, 0.0), 0.075 - 0.035 * along);
  // Side branches at 60 degrees, longest near the middle of the arm.
  constexpr double kBranches[][2] = {{0.30, 0.26}, {0.50, 0.24}, {0.67, 0.15}};
  for (const auto& branch : kBranches) {
    const double bx = branch[0] + branch[1] * std::cos(Radians(60.0));
    const double by = branch[1] * std::sin(Radians(60.0));
    cover = std::max(cover, ink(SegmentDistance(fx, fy, branch[0], 0.0, bx, by), 0.045) * 0.95);
  }
  // Hexagonal plate in the middle (its corners on the arms), with a darker ring inside.
  const double apothem = 0.22 * std::cos(Radians(30.0));
  const double hex = fx * std::cos(Radians(30.0)) + fy * std::sin(Radians(30.0));
  const double plate = Smoothstep(apothem + pixel, apothem - pixel, hex);
  const double ring = Smoothstep(0.02 + pixel, 0.02 - pixel, std::fabs(hex - apothem * 0.6));
  cover = std::max(cover, plate * (0.8 + 0.2 * ring));
  // A small bead at each tip.
  cover = std::max(cover, ink(std::hypot(fx - 0.86, fy), 0.05));
  return cover;
}

}  // namespace

Image GlowSprite(int size) {
  Image image(size, size);
  const double half = size * 0.5;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double r = std::hypot(x + 0.5 - half, y + 0.5 - half) / half;
      const double body = r < 1.0 ? std::pow(1.0 - r * r, 2.4) : 0.0;
      const double core = std::exp(-(r / 0.2) * (r / 0.2));
      image.At(x, y) = Grey(0.78 * body + 0.22 * core);
    }
  }
  return image;
}

Image SnowflakeSprite(int size) {
  constexpr int kSamples = 4;
  Image image(size, size);
  const double half = size * 0.5;
  const double pixel = 1.0 / half;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double crystal = 0.0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double px = (x + (sx + 0.5) / kSamples - half) / half;
          const double py = (y + (sy + 0.5) / kSamples - half) / half;
          crystal += CrystalAt(px, py, pixel * 0.5);
        }
      }
      crystal /= kSamples * kSamples;
      const double r = std::hypot(x + 0.5 - half, y + 0.5 - half) / half;
      const double glow =
          0.30 * std::exp(-(r / 0.3) * (r / 0.3)) + 0.10 * std::exp(-(r / 0.55) * (r / 0.55));
      const Colour ice{0.86, 0.93, 1.0};
      image.At(x, y) = Mix(ice * glow, Grey(1.0), crystal);
    }
  }
  return image;
}

}  // namespace frost::artgen
