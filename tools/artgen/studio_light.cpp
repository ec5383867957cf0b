#include "studio_light.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "random.h"

namespace frost::artgen {
namespace {

struct Softbox {
  double azimuth;    // degrees
  double elevation;  // degrees
  double halfWidth;  // degrees
  double halfHeight;
  Colour colour;
};

constexpr std::array<Softbox, 3> kSoftboxes = {{
    {35.0, 26.0, 20.0, 13.0, {1.25, 1.12, 0.92}},  // key: large and warm
    {165.0, 16.0, 13.0, 21.0, {0.62, 0.76, 1.0}},  // fill: cooler, from the other side
    {-95.0, 8.0, 2.6, 30.0, {1.15, 0.78, 0.42}},   // rim: a tall amber strip
}};

double WrapDegrees(double a) {
  return a - 360.0 * std::round(a / 360.0);
}

// Soft-edged rounded rectangle in azimuth/elevation, slightly brighter in the middle as a real
// diffuser is.
double SoftboxLight(const Softbox& box, double azimuth, double elevation) {
  const double dx =
      std::fabs(WrapDegrees(azimuth - box.azimuth)) * std::cos(Radians(box.elevation));
  const double dy = std::fabs(elevation - box.elevation);
  const double qx = std::max(dx - box.halfWidth + 3.0, 0.0);
  const double qy = std::max(dy - box.halfHeight + 3.0, 0.0);
  const double outside = std::sqrt(qx * qx + qy * qy) - 3.0;  // rounded corners, radius 3
  const double edge = Smoothstep(1.2, -1.2, outside);
  const double centre =
      1.0 - 0.25 * std::min(1.0, (dx * dx) / (box.halfWidth * box.halfWidth) +
                                     (dy * dy) / (box.halfHeight * box.halfHeight));
  return edge * centre;
}

}  // namespace

Colour StudioLight(const Vec3& d) {
  const double elevation = std::asin(std::clamp(d.z, -1.0, 1.0)) * 180.0 / kPi;
  const double azimuth = std::atan2(d.y, d.x) * 180.0 / kPi;

  Colour c;
  if (elevation >= 0.0) {
    // Walls darkening into a black ceiling.
    const double h = elevation / 90.0;
    c = Mix(Colour{0.30, 0.25, 0.21}, Colour{0.025, 0.025, 0.03}, std::pow(h, 0.55));
  } else {
    // A polished warm floor: dark, with a bright pool where the key light falls.
    const double h = -elevation / 90.0;
    c = Mix(Colour{0.26, 0.16, 0.09}, Colour{0.05, 0.03, 0.02}, std::pow(h, 0.5));
    const double pool = std::exp(-std::pow(WrapDegrees(azimuth - 35.0) / 35.0, 2.0) -
                                 std::pow((elevation + 25.0) / 14.0, 2.0));
    c = c + Colour{0.35, 0.25, 0.15} * pool;
  }
  // The cyclorama's lit sweep at eye level.
  c = c + Colour{0.85, 0.72, 0.55} * std::exp(-std::pow(elevation / 2.2, 2.0));

  for (const Softbox& box : kSoftboxes)
    c = Mix(c, box.colour, SoftboxLight(box, azimuth, elevation));

  // Overhead bar across the ceiling.
  const double bar = Smoothstep(0.09, 0.07, std::fabs(d.y)) * Smoothstep(0.55, 0.6, d.z);
  c = Mix(c, Colour{1.1, 1.08, 1.02}, bar);

  // A string of warm bulbs just above the sweep.
  for (int i = 0; i < 14; ++i) {
    const std::uint32_t h = HashLattice(0xB01Bu, i, 0);
    const double az = -180.0 + (i + 0.2 + 0.6 * HashUnit(h)) * 360.0 / 14.0;
    const double el = 5.0 + 3.0 * HashUnit(Hash32(h));
    const double dist =
        std::hypot(WrapDegrees(azimuth - az) * std::cos(Radians(el)), elevation - el);
    c = c + Colour{1.0, 0.75, 0.4} *
                (1.6 * std::exp(-std::pow(dist / 0.9, 2.0)) + 0.12 * std::exp(-dist / 3.0));
  }
  return c;
}

}  // namespace frost::artgen
