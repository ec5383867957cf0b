#include "winter_sky.h"

#include <algorithm>
#include <cmath>

#include "random.h"

namespace frost::artgen {
namespace {

constexpr Colour kZenith{0.13, 0.32, 0.68};
constexpr Colour kHorizonSky{0.76, 0.86, 0.96};
constexpr Colour kHaze{0.84, 0.89, 0.95};
constexpr Colour kSunTint{1.0, 0.95, 0.84};
constexpr Colour kSnowLit{0.95, 0.96, 0.99};
constexpr Colour kSnowShade{0.62, 0.71, 0.86};
constexpr Colour kRock{0.38, 0.42, 0.50};
constexpr Colour kFarShade{0.50, 0.60, 0.80};
constexpr Colour kFir{0.13, 0.20, 0.22};

constexpr double kSunRadius = Radians(1.8);  // wide enough that the probe's pixel is always inside
constexpr double kSunEdge = Radians(0.2);

// Trees stand in fixed azimuth slots all round the horizon.
constexpr int kTreeSlots = 900;
constexpr double kTreeSlot = 2.0 * kPi / kTreeSlots;
constexpr double kTallestTree = Radians(2.2);

double Elevation(const Vec3& d) {
  return std::asin(std::clamp(d.z, -1.0, 1.0));
}
double Azimuth(const Vec3& d) {
  return std::atan2(d.y, d.x);
}

// Sharp-crested fractal: creases where the noise crosses zero become peaks.
double Ridged(const Noise3& noise, double x, double y, double z, int octaves) {
  double sum = 0.0, amplitude = 0.5, frequency = 1.0, weight = 1.0, norm = 0.0;
  for (int o = 0; o < octaves; ++o) {
    double n = 1.0 - std::fabs(noise.At(x * frequency, y * frequency, z * frequency + 3.7 * o));
    n *= n;
    sum += n * amplitude * weight;
    norm += amplitude;
    weight = std::clamp(n * 1.5, 0.0, 1.0);
    amplitude *= 0.5;
    frequency *= 2.03;
  }
  return sum / norm;
}

}  // namespace

Vec3 SunDirection() {
  return Normalize({0.0, -43.0, 50.0});
}

WinterSky::WinterSky(Detail detail)
    : detail_(detail),
      cloudNoise_(0xC10D5u),
      ridgeNoise_(0x21D6Eu),
      hillNoise_(0x4111Eu),
      surfaceNoise_(0x5A7F0u),
      forestNoise_(0xF0E57u) {}

// Ridge lines are sampled on a circle in noise space, so they close up after a full turn.
double WinterSky::FarRidge(double azimuth) const {
  const double x = std::cos(azimuth) * 4.2, y = std::sin(azimuth) * 4.2;
  const int octaves = detail_ == Detail::kFine ? 4 : 3;
  // A broad envelope raises whole massifs; the ridged noise carves peaks and cols into them.
  const double massif = Smoothstep(-0.35, 0.45, ridgeNoise_.At(x * 0.35, y * 0.35, 11.0));
  const double peaks = Smoothstep(0.2, 0.95, Ridged(ridgeNoise_, x, y, 0.5, octaves));
  return Radians(1.6 + (2.5 + 8.5 * massif) * peaks);
}

double WinterSky::NearRidge(double azimuth) const {
  const double x = std::cos(azimuth) * 2.6, y = std::sin(azimuth) * 2.6;
  const int octaves = detail_ == Detail::kFine ? 4 : 2;
  const double n = hillNoise_.Fractal(x, y, 2.0, octaves, 0.45);
  return Radians(1.2 + 2.8 * Smoothstep(-0.6, 0.6, n));
}

Colour WinterSky::SkyDome(const Vec3& d) const {
  const double h = std::max(d.z, 0.0);
  Colour sky = Mix(kZenith, kHorizonSky, std::pow(1.0 - h, 3.2));
  // Forward scattering brightens the sky around the sun, more near the horizon below it.
  const double towardSun = std::max(Dot(d, SunDirection()), 0.0);
  sky = sky + kSunTint * (0.22 * std::pow(towardSun, 5.0) + 0.05 * towardSun);
  return Mix(sky, kHaze, 0.55 * std::exp(-h / 0.03));
}

Colour WinterSky::WithClouds(const Vec3& d, const Colour& sky) const {
  if (d.z <= 0.0) return sky;
  // A flat cloud deck seen in perspective: shapes shrink and crowd towards the horizon.
  const double lift = d.z + 0.12;
  const double qx = d.x / lift, qy = d.y / lift;
  const int octaves = detail_ == Detail::kFine ? 6 : 3;
  const auto density = [&](double x, double y) {
    return cloudNoise_.Fractal(x * 1.1, y * 1.35, 0.4, octaves, 0.52);
  };
  const double dens = density(qx, qy);
  double alpha = Smoothstep(0.05, 0.55, dens);
  // Thin towards the horizon, where the haze takes over, and clear around the sun so the disc
  // is never veiled.
  const double sunAngle = std::acos(std::clamp(Dot(d, SunDirection()), -1.0, 1.0));
  alpha *= Smoothstep(0.02, 0.22, d.z) * Smoothstep(Radians(8.0), Radians(18.0), sunAngle);
  if (alpha <= 0.0) return sky;
  // Light from the sun's side: thicker cloud towards the sun shades this point.
  const Vec3 sun = SunDirection();
  const double sunLift = sun.z + 0.12;
  double tx = sun.x / sunLift - qx, ty = sun.y / sunLift - qy;
  const double tl = std::max(std::sqrt(tx * tx + ty * ty), 1e-6);
  tx = tx / tl * 0.06;
  ty = ty / tl * 0.06;
  const double shadow = std::clamp((density(qx + tx, qy + ty) - dens) * 4.0 + 0.15, 0.0, 1.0);
  const double thin = 1.0 - Smoothstep(0.05, 0.7, dens);  // thin edges glow silver
  // Lit cloud stays below the flare probe's near-white: only the sun may trigger it.
  const Colour lit = Mix(Colour{0.89, 0.91, 0.95}, kSunTint * 0.93, 0.25 * thin);
  const Colour shade = Mix(Colour{0.66, 0.71, 0.82}, sky, 0.35);
  Colour cloud = Mix(lit, shade, shadow * (1.0 - 0.6 * thin));
  return Mix(sky, cloud, alpha * 0.92);
}

double WinterSky::Lambert(double azimuth, double slope) const {
  // The surface seen at this azimuth: facing the viewer, tilted sideways by the ridge slope.
  const Vec3 away{std::cos(azimuth), std::sin(azimuth), 0.0};
  const Vec3 side{-std::sin(azimuth), std::cos(azimuth), 0.0};
  const Vec3 normal = Normalize(Vec3{0.0, 0.0, 0.8} + side * (-slope) + away * (-0.45));
  return std::max(Dot(normal, SunDirection()), 0.0);
}

// A flank below a crest is lit by the ridge's slope averaged over a width that grows with the
// depth below the crest: each peak's sunny and shaded faces widen downwards as real ones do,
// instead of running in vertical stripes.
double WinterSky::FlankSlope(double (WinterSky::*ridge)(double) const, double azimuth, double depth,
                             double minWidth) const {
  const double width = minWidth + depth * 1.1;
  return ((this->*ridge)(azimuth + width) - (this->*ridge)(azimuth - width)) / (2.0 * width);
}

Colour WinterSky::FarMountains(double azimuth, double elevation) const {
  const double crest = FarRidge(azimuth);
  const double depth = crest - elevation;
  // Gullies make the light wander across a face.
  const double gully = surfaceNoise_.Fractal(azimuth * 55.0, elevation * 30.0, 1.0, 3) * 0.35;
  const double slope = FlankSlope(&WinterSky::FarRidge, azimuth, depth, Radians(0.25)) + gully;
  const double light = Lambert(azimuth, slope * 1.6);
  Colour snow = Mix(kFarShade, kSnowLit, Smoothstep(0.4, 0.9, light));
  // Steep faces hold no snow.
  const double rockiness =
      Smoothstep(0.8, 1.6, std::fabs(slope)) *
      Smoothstep(-0.1, 0.5, surfaceNoise_.Fractal(azimuth * 70.0, elevation * 140.0, 7.0, 3));
  snow = Mix(snow, kRock * (0.7 + 0.5 * light), 0.6 * rockiness);
  // Distance haze, thickest at the mountains' feet.
  const double relativeDepth = depth / std::max(crest, Radians(0.5));
  return Mix(snow, kHaze, 0.35 + 0.3 * Smoothstep(0.2, 1.0, relativeDepth));
}

Colour WinterSky::NearHills(double azimuth, double elevation) const {
  const double depth = NearRidge(azimuth) - elevation;
  const double slope = FlankSlope(&WinterSky::NearRidge, azimuth, depth, Radians(0.6));
  const double light = Lambert(azimuth, slope * 2.0);
  Colour snow = Mix(kSnowShade, kSnowLit, 0.3 + 0.7 * Smoothstep(0.3, 0.85, light));
  if (detail_ == Detail::kFine) {
    // Dark stands of forest on the slopes and soft drifts.
    const double crest = NearRidge(azimuth);
    const double forest =
        Smoothstep(0.2, 0.55, forestNoise_.Fractal(azimuth * 60.0, elevation * 160.0, 2.0, 4)) *
        Smoothstep(0.0, crest * 0.8, elevation);
    snow = Mix(snow, Mix(kFir, kHaze, 0.4), 0.6 * forest);
    snow = snow * (0.97 + 0.03 * surfaceNoise_.At(azimuth * 120.0, elevation * 300.0, 4.0));
  }
  return Mix(snow, kHaze, 0.08);
}

double WinterSky::TreeCover(double azimuth, double elevation) const {
  if (detail_ != Detail::kFine) return 0.0;
  double a = azimuth < 0.0 ? azimuth + 2.0 * kPi : azimuth;
  const int slot = static_cast<int>(a / kTreeSlot);
  double cover = 0.0;
  for (int k = -3; k <= 3; ++k) {
    const int s = ((slot + k) % kTreeSlots + kTreeSlots) % kTreeSlots;
    const std::uint32_t h = HashLattice(0x7EE5u, s, 0);
    const double centre = (s + 0.15 + 0.7 * HashUnit(Hash32(h ^ 1u))) * kTreeSlot;
    // Woods come in stands, with clearings between them.
    const double stand =
        forestNoise_.Fractal(std::cos(centre) * 9.0, std::sin(centre) * 9.0, 5.0, 3);
    if (HashUnit(h) > Smoothstep(-0.15, 0.35, stand) * 0.9) continue;
    const double height = kTallestTree * (0.35 + 0.65 * HashUnit(Hash32(h ^ 2u)));
    const double base = NearRidge(centre) - Radians(0.25);
    const double up = (elevation - base) / height;
    if (up < 0.0 || up > 1.0) continue;
    // A fir: narrowing to the top, with a saw edge for the tiers of branches.
    double dx = azimuth - centre;
    dx -= 2.0 * kPi * std::round(dx / (2.0 * kPi));
    const double tiers = 0.75 + 0.25 * std::fmod(up * 5.0, 1.0);
    const double halfWidth = height * 0.24 * (1.0 - up) * tiers + Radians(0.02);
    if (std::fabs(dx) < halfWidth) cover = 1.0;
  }
  return cover;
}

Colour WinterSky::Snowfield(const Vec3& d) const {
  const double down = std::max(-d.z, 1e-4);
  // Where the view ray meets the ground, in eye heights; drifts are lit from their slopes.
  const double gx = d.x / down, gy = d.y / down;
  const int octaves = detail_ == Detail::kFine ? 5 : 2;
  const auto height = [&](double x, double y) {
    return surfaceNoise_.Fractal(x * 0.35, y * 0.35, 21.0, octaves, 0.5);
  };
  const double step = 0.05;
  const double h = height(gx, gy);
  const double sx = (height(gx + step, gy) - h) / step, sy = (height(gx, gy + step) - h) / step;
  // Detail fades out towards the horizon, where it would only shimmer.
  const double fade = Smoothstep(0.004, 0.08, down);
  const Vec3 normal = Normalize({-sx * 0.35 * fade, -sy * 0.35 * fade, 1.0});
  // Half from the sun on the slopes, half from the height (hollows hold blue shade): sunlight
  // alone would streak towards the vanishing point on the faces that look across it.
  const double sunlit = Clamp01((Dot(normal, SunDirection()) - 0.55) * 2.2 + 0.5);
  const double light = 0.5 * sunlit + 0.5 * Clamp01(0.55 + 0.6 * h * fade);
  Colour snow = Mix(kSnowShade, kSnowLit, 0.35 + 0.6 * light);
  return Mix(snow, kHaze, 0.55 * std::exp(-down / 0.02));
}

Colour WinterSky::Landscape(const Vec3& d) const {
  const double elevation = Elevation(d);
  if (elevation < 0.0) return Snowfield(d);
  const double azimuth = Azimuth(d);
  const double near = NearRidge(azimuth);
  if (elevation < near) return NearHills(azimuth, elevation);
  if (elevation < near + kTallestTree && TreeCover(azimuth, elevation) > 0.0) {
    return Mix(kFir, kHaze, 0.42);
  }
  if (elevation < Radians(13.0) && elevation < FarRidge(azimuth)) {
    return FarMountains(azimuth, elevation);
  }
  return WithClouds(d, SkyDome(d));
}

Colour WinterSky::SunGlow(const Vec3& d, double glowStrength, double* disc) const {
  const double angle = std::acos(std::clamp(Dot(d, SunDirection()), -1.0, 1.0));
  *disc = Smoothstep(kSunRadius + kSunEdge, kSunRadius - kSunEdge, angle);
  const double glow = 0.75 * std::exp(-angle / Radians(2.2)) +
                      0.32 * std::exp(-angle / Radians(8.0)) +
                      0.10 * std::exp(-angle / Radians(28.0));
  return kSunTint * (glow * glowStrength);
}

Colour WinterSky::Shade(const Vec3& d) const {
  double disc = 0.0;
  const Colour glow = SunGlow(d, 1.0, &disc);
  return Mix(Landscape(d) + glow, Grey(1.0), disc);
}

}  // namespace frost::artgen
