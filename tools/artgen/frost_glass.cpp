#include "frost_glass.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"
#include "random.h"
#include "vec3.h"

namespace frost::artgen {
namespace {

// Crystal coverage on a wrapping square canvas.
class FrostCanvas {
 public:
  explicit FrostCanvas(int size)
      : size_(size), cover_(static_cast<std::size_t>(size) * size, 0.0) {}

  double At(int x, int y) const { return cover_[Index(x, y)]; }

  // An antialiased stroke; it wraps across the edges.
  void Stroke(double ax, double ay, double bx, double by, double halfWidth, double brightness) {
    const int x0 = static_cast<int>(std::floor(std::min(ax, bx) - halfWidth - 1.0));
    const int x1 = static_cast<int>(std::ceil(std::max(ax, bx) + halfWidth + 1.0));
    const int y0 = static_cast<int>(std::floor(std::min(ay, by) - halfWidth - 1.0));
    const int y1 = static_cast<int>(std::ceil(std::max(ay, by) + halfWidth + 1.0));
    const double ex = bx - ax, ey = by - ay;
    const double lengthSquared = std::max(ex * ex + ey * ey, 1e-12);
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        const double px = x + 0.5 - ax, py = y + 0.5 - ay;
        const double t = std::clamp((px * ex + py * ey) / lengthSquared, 0.0, 1.0);
        const double distance = std::hypot(px - t * ex, py - t * ey);
        const double coverage = Clamp01(halfWidth + 0.5 - distance) * brightness;
        double& cell = cover_[Index(x, y)];
        cell = std::max(cell, coverage);
      }
    }
  }

 private:
  std::size_t Index(int x, int y) const {
    const int wx = (x % size_ + size_) % size_, wy = (y % size_ + size_) % size_;
    return static_cast<std::size_t>(wy) * size_ + wx;
  }

  int size_;
  std::vector<double> cover_;
};

// One dendrite: a slightly wandering stem that sheds side branches at +-60 degrees, the angle
// ice crystals branch at, each branch shorter and finer than its parent.
void Grow(FrostCanvas& canvas, Random& random, double x, double y, double angle, double length,
          double width, double brightness, int depth) {
  constexpr double kStep = 1.5;
  const double spacing = depth == 0 ? random.Range(4.0, 6.5) : random.Range(3.0, 5.0);
  double sinceBranch = random.Range(0.0, spacing);
  bool leftSide = random.Unit() < 0.5;
  for (double travelled = 0.0; travelled < length; travelled += kStep) {
    const double t = travelled / length;
    const double nx = x + std::cos(angle) * kStep, ny = y + std::sin(angle) * kStep;
    canvas.Stroke(x, y, nx, ny, width * (1.0 - 0.65 * t), brightness * (1.0 - 0.35 * t));
    x = nx;
    y = ny;
    angle += random.Range(-0.05, 0.05);
    sinceBranch += kStep;
    if (depth < 2 && sinceBranch >= spacing && t < 0.85) {
      sinceBranch = 0.0;
      const double remaining = length - travelled;
      const double childLength = remaining * random.Range(0.3, 0.5) * (depth == 0 ? 1.0 : 0.8);
      const double side = leftSide ? 1.0 : -1.0;
      // Fern-like: usually both sides, sometimes alternating.
      Grow(canvas, random, x, y, angle + side * Radians(60.0), childLength, width * 0.6,
           brightness * 0.85, depth + 1);
      if (random.Unit() < 0.7) {
        Grow(canvas, random, x, y, angle - side * Radians(60.0),
             childLength * random.Range(0.7, 1.0), width * 0.6, brightness * 0.85, depth + 1);
      }
      leftSide = !leftSide;
    }
  }
}

}  // namespace

Image FrostGlass(int size) {
  FrostCanvas canvas(size);
  Random random(0xF2057ULL);
  const double scale = size / 256.0;
  for (int nucleus = 0; nucleus < 11; ++nucleus) {
    const double x = random.Range(0.0, size), y = random.Range(0.0, size);
    const int stems = 3 + random.Below(4);
    const double turn = random.Range(0.0, 2.0 * kPi);
    for (int s = 0; s < stems; ++s) {
      const double angle = turn + 2.0 * kPi * s / stems + random.Range(-0.3, 0.3);
      Grow(canvas, random, x, y, angle, random.Range(28.0, 80.0) * scale, 1.1 * scale,
           random.Range(0.7, 1.0), 0);
    }
  }
  // Tiny isolated crystals between the ferns.
  for (int speck = 0; speck < 160; ++speck) {
    const double x = random.Range(0.0, size), y = random.Range(0.0, size);
    const double angle = random.Range(0.0, kPi);
    const double r = random.Range(1.0, 3.0) * scale;
    for (int arm = 0; arm < 3; ++arm) {
      const double a = angle + arm * kPi / 3.0;
      canvas.Stroke(x - std::cos(a) * r, y - std::sin(a) * r, x + std::cos(a) * r,
                    y + std::sin(a) * r, 0.35 * scale, random.Range(0.35, 0.7));
    }
  }

  Image crystals(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) crystals.At(x, y) = Grey(canvas.At(x, y));
  }
  const Image halo = BlurWrapped(BlurWrapped(crystals, 2), 2);

  const TileNoise haze(0xF2058u);
  const Colour milk{0.80, 0.88, 0.97}, ice{0.92, 0.97, 1.0};
  Image image(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double u = (x + 0.5) / size, v = (y + 0.5) / size;
      const double base = 0.30 + 0.10 * haze.Fractal(u, v, 4, 5, 0.55);
      const double crystal = crystals.At(x, y).r;
      const double glow = halo.At(x, y).r;
      image.At(x, y) = milk * (base + 0.55 * glow) + ice * (0.62 * crystal);
    }
  }
  return image;
}

}  // namespace frost::artgen
