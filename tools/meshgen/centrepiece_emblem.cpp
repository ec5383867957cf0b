// The emblem: a snowflake of three long and three short arms that leave a narrow band round
// the plateau, pierced with small hexagonal windows, with a jewel in a collar on every arm.
#include <cassert>
#include <cmath>
#include <numbers>
#include <vector>

#include "bevelled_prism.h"
#include "centrepiece_parts.h"
#include "jewel.h"
#include "turned_surface.h"

namespace frost::meshgen {
namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;
constexpr double kBottom = -0.026;  // sunk well into the moat floor
constexpr double kTop = 0.046;
// The first long arm points a little below +x; the others follow every 60 degrees, long and
// short in turn.
constexpr double kFirstArm = -16.6 * kDegrees;
constexpr double kRingRadius = 0.264;  // outer edge of the band joining the arms' roots
constexpr int kBandSteps = 3;          // edges along that edge between two arms
constexpr int kInnerSides = 30;

// An arm's left edge, from where it leaves the band to just short of its point, as distance
// from the centre and half width.
struct Arm {
  double tip;  // distance of the point from the centre
  std::vector<Point2> edge;
  double jewelAt;               // distance of the jewel's centre
  double jewel;                 // jewel radius
  std::vector<double> windows;  // distances of hexagonal windows along the shaft
};

// The jewels sit on collars standing a little above the emblem; the long arms' jewels reach
// up to kJewelPoint.
constexpr double kCollarTop = 0.056;
constexpr double kJewelPoint = 0.066;
constexpr double kLongJewel = (kJewelPoint - kCollarTop) / kJewelHeight;

const Arm& ArmAt(int k) {
  // Long arms: two pairs of side branches, 60 degrees off the shaft, then a jewelled head.
  static const Arm kLong{0.408,
                         {{0.0, 0.022},
                          {0.283, 0.0145},
                          {0.314, 0.055},
                          {0.299, 0.0135},
                          {0.325, 0.0135},
                          {0.350, 0.042},
                          {0.339, 0.0125},
                          {0.356, 0.0135},
                          {0.364, 0.020},
                          {0.380, 0.020}},
                         0.372,
                         kLongJewel,
                         {0.311, 0.3475}};
  // Short arms: one pair of branches.
  static const Arm kShort{0.3694,
                          {{0.0, 0.021},
                           {0.281, 0.0135},
                           {0.306, 0.046},
                           {0.297, 0.0125},
                           {0.322, 0.0135},
                           {0.330, 0.0175},
                           {0.345, 0.0175}},
                          0.337,
                          0.0095,
                          {0.309}};
  return k % 2 == 0 ? kLong : kShort;
}
double ArmAngle(int k) {
  return kFirstArm + k * 60.0 * kDegrees;
}
Point2 FromArm(int k, double along, double across) {
  return Rotated({along, across}, ArmAngle(k));
}

// The arm's left edge, its first point placed on the band's edge.
std::vector<Point2> ArmSide(const Arm& a) {
  std::vector<Point2> side = a.edge;
  const double w = side[0].y;
  side[0].x = std::sqrt(kRingRadius * kRingRadius - w * w);
  return side;
}

// Counter-clockwise round the whole snowflake.
std::vector<Point2> Outline() {
  std::vector<Point2> outline;
  for (int k = 0; k < 6; ++k) {
    const Arm& a = ArmAt(k);
    const std::vector<Point2> side = ArmSide(a);
    // Up the arm's right side (its left mirrored), round the point and back down the left.
    for (const Point2& p : side) outline.push_back(FromArm(k, p.x, -p.y));
    outline.push_back(FromArm(k, a.tip, 0.0));
    for (auto p = side.rbegin(); p != side.rend(); ++p) outline.push_back(FromArm(k, p->x, p->y));
    // Along the band's edge to the next arm's root.
    const double from = ArmAngle(k) + std::asin(side.front().y / kRingRadius);
    const double to = ArmAngle(k + 1) - std::asin(ArmSide(ArmAt(k + 1)).front().y / kRingRadius);
    for (int s = 1; s < kBandSteps; ++s) {
      outline.push_back(Rotated({kRingRadius, 0.0}, from + (to - from) * s / kBandSteps));
    }
  }
  return outline;
}

// Clockwise, as a hole.
std::vector<Point2> Hexagon(Point2 centre, double radius, double turn) {
  std::vector<Point2> h;
  for (int i = 6; i-- > 0;) {
    const double a = turn + i * 60.0 * kDegrees;
    h.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
  }
  return h;
}

std::vector<Point2> InnerEdge() {
  std::vector<Point2> edge;
  for (int i = kInnerSides; i-- > 0;) {
    const double a = kFirstArm + 2.0 * std::numbers::pi * i / kInnerSides;
    edge.push_back({kEmblemInnerRadius * std::cos(a), kEmblemInnerRadius * std::sin(a)});
  }
  return edge;
}

PrismShape Snowflake() {
  PrismShape shape;
  shape.bottom = kBottom;
  shape.top = kTop;
  // The heads' shoulders (about 35 to 40 degrees) are shaded round; branch roots, branch
  // tips and points (49 degrees and more) stay crisp.
  shape.creaseDegrees = 44.0;
  shape.loops.push_back({Outline(), 2, 0.0035, 0.005});
  shape.loops.push_back({InnerEdge(), 2, 0.0035, 0.005});
  for (int k = 0; k < 6; ++k) {
    for (double at : ArmAt(k).windows) {
      shape.loops.push_back({Hexagon(FromArm(k, at, 0.0), 0.0058, ArmAngle(k)), 1, 0.0015, 0.0015});
    }
  }
  return shape;
}

// A band round the jewel's girdle standing on the emblem's top: a rounded crest between two
// cut slopes, upright walls, and a coned underside hidden in the emblem.
void AddCollar(TableBuilder& builder, Point2 centre, double jewel, double turn) {
  const double inner = jewel;
  const double outer = jewel * 1.3;
  const double crest = inner + 0.4 * (outer - inner);
  const double bottom = kTop - 0.004;
  auto slope = [](double dr, double dz) {
    const double length = std::hypot(dr, dz);
    return SectionNormal{-dz / length, dr / length};
  };
  const SectionNormal in{-1.0, 0.0};
  const SectionNormal out{1.0, 0.0};
  const SectionNormal rising = slope(crest - inner, 0.0015);
  const SectionNormal falling = slope(outer - crest, -0.0030);
  const SectionNormal atCrest{0.5 * (rising.out + falling.out), 0.5 * (rising.up + falling.up)};
  const SectionNormal under = slope(inner - outer, -0.001);
  TurnedShape collar;
  collar.axis = centre;
  collar.closed = true;
  collar.startAngle = turn;
  collar.section = {
      {inner, bottom, kJewelSides, under, in},
      {inner, kCollarTop - 0.0015, kJewelSides, in, rising},
      {crest, kCollarTop, kJewelSides, atCrest, atCrest},
      {outer, kCollarTop - 0.0030, kJewelSides, falling, out},
      {outer, bottom + 0.001, kJewelSides, out, under},
  };
  AddTurnedSurface(builder, collar);
}

}  // namespace

JewelCut BuildEmblem(TableBuilder& builder) {
  [[maybe_unused]] const bool built = AddBevelledPrism(builder, Snowflake());
  assert(built);
  JewelCut last;
  for (int k = 0; k < 6; ++k) {
    const Arm& a = ArmAt(k);
    const Point2 at = FromArm(k, a.jewelAt, 0.0);
    last.turn = ArmAngle(k);
    AddCollar(builder, at, a.jewel, last.turn);
    last.firstNormal = AddJewel(builder, {at, kCollarTop, a.jewel, last.turn});
  }
  return last;
}

}  // namespace frost::meshgen
