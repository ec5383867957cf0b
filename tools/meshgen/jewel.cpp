#include "jewel.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace frost::meshgen {
namespace {

// The rows' rings as fractions of the girdle radius: a skirt sunk below the seat, then the
// crown from the girdle up. Odd rings sit half a side round from even ones, so every facet is
// a triangle that catches the light on its own.
struct Ring {
  double radius;
  double height;
};

Ring RingAt(int row) {
  if (row == 0) return {0.94, -0.30};
  const double a = std::numbers::pi / 2.0 * (row - 1) / (kJewelRows - 0.6);
  return {std::cos(a), 0.10 + (kJewelHeight - 0.10) * std::sin(a)};
}

}  // namespace

int AddJewel(TableBuilder& builder, const JewelPlacement& placement, int sharedNormals) {
  std::vector<std::vector<int>> rings;
  std::vector<std::vector<double>> along;
  for (int row = 0; row < kJewelRows; ++row) {
    const double stagger = row % 2 == 1 ? 0.5 : 0.0;
    const Ring r = RingAt(row);
    std::vector<int> ring;
    std::vector<double> positions;
    for (int i = 0; i < kJewelSides; ++i) {
      const double a = placement.turn + 2.0 * std::numbers::pi * (i + stagger) / kJewelSides;
      ring.push_back(
          builder.AddVertex({placement.centre.x + placement.radius * r.radius * std::cos(a),
                             placement.centre.y + placement.radius * r.radius * std::sin(a),
                             placement.seat + placement.radius * r.height}));
      positions.push_back((i + stagger) / kJewelSides);
    }
    positions.push_back(1.0 + stagger / kJewelSides);
    rings.push_back(std::move(ring));
    along.push_back(std::move(positions));
  }
  const int point = builder.AddVertex(
      {placement.centre.x, placement.centre.y, placement.seat + placement.radius * kJewelHeight});

  const int firstNormal = sharedNormals >= 0 ? sharedNormals : builder.NormalCount();
  int nextNormal = firstNormal;
  auto facet = [&](int a, int b, int c) {
    if (sharedNormals >= 0) {
      const int n = nextNormal++;
      builder.AddFace({a, n}, {b, n}, {c, n});
    } else {
      builder.AddFacet(a, b, c);
    }
  };
  for (int row = 0; row + 1 < kJewelRows; ++row) {
    for (const auto& t : ZipStrip(along[row], along[row + 1])) {
      std::array<int, 3> v{};
      for (int k = 0; k < 3; ++k) {
        v[k] = rings[row + (t[k].upper ? 1 : 0)][t[k].index % kJewelSides];
      }
      facet(v[0], v[1], v[2]);
    }
  }
  const std::vector<int>& crown = rings.back();
  for (int i = 0; i < kJewelSides; ++i) facet(crown[i], crown[(i + 1) % kJewelSides], point);
  return firstNormal;
}

}  // namespace frost::meshgen
