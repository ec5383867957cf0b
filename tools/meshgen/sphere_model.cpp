// The glass sphere, seen from inside: a latitude-longitude sphere whose triangles and normals
// face the centre, so that with back faces culled only its far half is drawn.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "mesh_models.h"

namespace frost::meshgen {
namespace {

constexpr double kRadius = 0.5;
constexpr int kSegments = 75;
constexpr int kRings = 36;
constexpr int kNorthPole = 0;
constexpr int kSouthPole = 1 + kRings * kSegments;

// The first ring sits this close to each pole. The table's first record pairs the north pole
// with the first ring's normal and the first ring's vertex with the pole's normal, and the
// last record does the same at the south pole; pinching the caps keeps every such exchanged
// normal within half a degree of the centre direction at the vertex it is drawn with.
constexpr double kCapDegrees = 0.4;
// Triangles of each cap fan that exchange their pole and first-ring normals, as the table's
// layout has them: the first ones round the north pole and the last ones round the south
// pole, two corners apiece, 80 corners in all. Nothing else borrows a normal.
constexpr int kExchangedPerCap = 20;

int RingVertex(int ring, int segment) {
  return 1 + (ring - 1) * kSegments + segment % kSegments;
}

// Polar angle of ring 1..kRings: two pinched caps, then even bands.
double RingPolarAngle(int ring) {
  const double cap = kCapDegrees * std::numbers::pi / 180.0;
  return cap + (ring - 1) * (std::numbers::pi - 2.0 * cap) / (kRings - 1);
}

Vec3f ToFloat(double x, double y, double z) {
  return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

FaceVNT Face(int v0, int v1, int v2, int n0, int n1, int n2) {
  auto i16 = [](int i) { return static_cast<std::int16_t>(i); };
  return {{i16(v0), i16(v1), i16(v2)}, {i16(n0), i16(n1), i16(n2)}, {0, 0, 0}};
}

void AddPoint(SphereTables& t, double polar, double azimuth) {
  const double x = std::sin(polar) * std::cos(azimuth);
  const double y = std::sin(polar) * std::sin(azimuth);
  const double z = std::cos(polar);
  t.vertices.push_back(ToFloat(kRadius * x, kRadius * y, kRadius * z));
  t.normals.push_back(ToFloat(-x, -y, -z));
}

}  // namespace

SphereTables BuildSphere() {
  SphereTables t;
  t.vertices.reserve(kSouthPole + 1);
  t.normals.reserve(kSouthPole + 1);
  t.faces.reserve(2 * kSegments * kRings);

  AddPoint(t, 0.0, 0.0);
  for (int ring = 1; ring <= kRings; ++ring) {
    for (int s = 0; s < kSegments; ++s) {
      AddPoint(t, RingPolarAngle(ring), 2.0 * std::numbers::pi * s / kSegments);
    }
  }
  AddPoint(t, std::numbers::pi, 0.0);

  // Counter-clockwise seen from the centre: azimuth grows to the right when looking outwards
  // at the northern cap, so each fan triangle runs ring, pole, next ring vertex.
  for (int s = 0; s < kSegments; ++s) {
    const int a = RingVertex(1, s);
    const int b = RingVertex(1, s + 1);
    if (s < kExchangedPerCap) {
      t.faces.push_back(Face(a, kNorthPole, b, kNorthPole, a, b));
    } else {
      t.faces.push_back(Face(a, kNorthPole, b, a, kNorthPole, b));
    }
  }
  for (int ring = 1; ring < kRings; ++ring) {
    for (int s = 0; s < kSegments; ++s) {
      const int upper = RingVertex(ring, s);
      const int upperNext = RingVertex(ring, s + 1);
      const int lower = RingVertex(ring + 1, s);
      const int lowerNext = RingVertex(ring + 1, s + 1);
      t.faces.push_back(Face(lower, upper, upperNext, lower, upper, upperNext));
      t.faces.push_back(Face(lower, upperNext, lowerNext, lower, upperNext, lowerNext));
    }
  }
  for (int s = 0; s < kSegments; ++s) {
    const int a = RingVertex(kRings, s + 1);
    const int b = RingVertex(kRings, s);
    if (s >= kSegments - kExchangedPerCap) {
      t.faces.push_back(Face(a, kSouthPole, b, kSouthPole, a, b));
    } else {
      t.faces.push_back(Face(a, kSouthPole, b, a, kSouthPole, b));
    }
  }
  return t;
}

}  // namespace frost::meshgen
