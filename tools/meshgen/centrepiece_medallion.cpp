// The medallion: a turned disc with a raised plateau for the banner, a moat for the emblem, a
// rounded rim and a back with a shallow dish in its middle.
#include <cmath>
#include <numbers>

#include "centrepiece_parts.h"
#include "turned_surface.h"

namespace frost::meshgen {
namespace {

constexpr int kSegments = 109;
// The medallion is struck a touch oval, 0.992 as wide as it is tall.
constexpr double kXScale = 0.992;
// The middle of the plateau lies under the banner from every side as the medallion turns, so
// it is left open inside this radius.
constexpr double kOpening = 0.05;

constexpr SectionNormal kUp{0.0, 1.0};
constexpr SectionNormal kDown{0.0, -1.0};
constexpr SectionNormal kOut{1.0, 0.0};
constexpr SectionNormal kIn{-1.0, 0.0};

SectionNormal Towards(double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  return {std::cos(a), std::sin(a)};
}

SectionPoint Sharp(double r, double z, SectionNormal before, SectionNormal after) {
  return {r, z, kSegments, before, after};
}
SectionPoint Smooth(double r, double z, SectionNormal n, int segments = kSegments) {
  return {r, z, segments, n, n};
}

// The rim is a half-round bead, drawn coarsely and shaded smooth.
constexpr double kBeadR = 0.475;
constexpr double kBeadZ = 0.028;
constexpr double kBead = 0.025;
SectionPoint Bead(double degrees) {
  const SectionNormal n = Towards(degrees);
  return Smooth(kBeadR + kBead * n.out, kBeadZ + kBead * n.up, n);
}

// The dish in the back: a shallow spherical cap, kDishDepth deep and kDishRadius across.
constexpr double kBack = -0.08;
constexpr double kDishRadius = 0.15;
constexpr double kDishDepth = 0.0055;
constexpr double kDishCurve =
    (kDishRadius * kDishRadius + kDishDepth * kDishDepth) / (2 * kDishDepth);
SectionPoint InDish(double r, int segments) {
  const double rise = std::sqrt(kDishCurve * kDishCurve - r * r);
  const double z = kBack + kDishDepth - kDishCurve + rise;
  // Facing away from the back, out of the hollow.
  return Smooth(r, z, {-r / kDishCurve, -rise / kDishCurve}, segments);
}

}  // namespace

void BuildMedallion(TableBuilder& builder) {
  const SectionNormal plateauBevel = Towards(45.0);
  const SectionNormal backBevel = Towards(-45.0);
  TurnedShape shape;
  shape.xScale = kXScale;
  shape.section = {
      // The plateau, with a crisp bevel down to its wall.
      Smooth(kOpening, kPlateauTop, kUp),
      Sharp(kPlateauRadius - 0.003, kPlateauTop, kUp, plateauBevel),
      Sharp(kPlateauRadius + 0.012, kPlateauTop - 0.015, plateauBevel, kOut),
      // The moat.
      Sharp(kPlateauRadius + 0.012, kMoatFloor, kOut, kUp),
      Sharp(kBeadR - kBead, kMoatFloor, kUp, kIn),
      // Over the rim.
      Bead(180.0),
      Bead(120.0),
      Bead(60.0),
      Bead(0.0),
      // Down the outside, with a bevel onto the back.
      Sharp(0.5, -0.05, kOut, backBevel),
      Sharp(0.47, kBack, backBevel, kDown),
      // The back, its rings thinning towards the middle, round a shallow dish.
      Smooth(0.31, kBack, kDown, 62),
      Smooth(kDishRadius, kBack, kDown, 30),
      InDish(0.07, 28),
      Smooth(0.0, kBack + kDishDepth, kDown, 0),
  };
  AddTurnedSurface(builder, shape);
}

}  // namespace frost::meshgen
