#pragma once

#include "image.h"
#include "noise.h"
#include "vec3.h"

namespace frost::artgen {

// The scene puts its sun at the eye plus (0, -43, 50) and starts the lens flare only while the
// frame is near-white at that spot, so the painted sun sits exactly in this direction.
Vec3 SunDirection();

// A clear winter day around the viewer: deep blue overhead fading to a pale horizon, soft
// clouds, a range of snowy mountains and nearer wooded hills all round, a snowfield below.
// Everything is a function of the viewing direction alone, so any cube layout of it is seamless.
class WinterSky {
 public:
  // fine: clouds, mountains and the tree line at full detail (the skybox); coarse: only the
  // broad shapes, for blurry reflections.
  enum class Detail { kFine, kCoarse };
  explicit WinterSky(Detail detail);

  // The landscape without the sun.
  Colour Landscape(const Vec3& d) const;
  // The sun's disc and its glow at the given strength, to add to the landscape; 'disc' is set
  // to how much of the direction's footprint the disc itself covers (0 to 1).
  Colour SunGlow(const Vec3& d, double glowStrength, double* disc) const;
  // Landscape and sun together, the sun disc pure white.
  Colour Shade(const Vec3& d) const;

  // Elevation angles (radians) of the far mountain ridge and the near hill line.
  double FarRidge(double azimuth) const;
  double NearRidge(double azimuth) const;

 private:
  Colour SkyDome(const Vec3& d) const;
  Colour WithClouds(const Vec3& d, const Colour& sky) const;
  Colour FarMountains(double azimuth, double elevation) const;
  Colour NearHills(double azimuth, double elevation) const;
  Colour Snowfield(const Vec3& d) const;
  // Coverage (0 to 1) of the fir trees standing on the near hill line.
  double TreeCover(double azimuth, double elevation) const;
  double Lambert(double azimuth, double slope) const;
  double FlankSlope(double (WinterSky::*ridge)(double) const, double azimuth, double depth,
                    double minWidth) const;

  Detail detail_;
  Noise3 cloudNoise_;
  Noise3 ridgeNoise_;
  Noise3 hillNoise_;
  Noise3 surfaceNoise_;
  Noise3 forestNoise_;
};

}  // namespace frost::artgen
