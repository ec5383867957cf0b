#include "turned_surface.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>
#include <vector>

namespace frost::meshgen {
namespace {

class Turner {
 public:
  Turner(TableBuilder& builder, const TurnedShape& shape) : builder_(builder), shape_(shape) {}

  void Build() {
    const int count = static_cast<int>(shape_.section.size());
    for (int k = 0; k < count; ++k) AddRing(k);
    const int bands = shape_.closed ? count : count - 1;
    for (int k = 0; k < bands; ++k) AddBand(k, (k + 1) % count);
  }

 private:
  int Segments(int k) const { return std::max(1, shape_.section[k].segments); }

  double Angle(int k, int i) const {
    return shape_.startAngle + 2.0 * std::numbers::pi * i / Segments(k);
  }

  void AddRing(int k) {
    const SectionPoint& p = shape_.section[k];
    std::vector<int> ring;
    for (int i = 0; i < Segments(k); ++i) {
      const double a = Angle(k, i);
      ring.push_back(builder_.AddVertex({shape_.axis.x + shape_.xScale * p.radius * std::cos(a),
                                         shape_.axis.y + p.radius * std::sin(a), p.z}));
    }
    rings_.push_back(std::move(ring));
  }

  // The normals of ring k for one cross-section direction, made once and shared by every band
  // that meets the ring at that direction. A flat direction needs just one normal.
  const std::vector<int>& Normals(int k, SectionNormal n) {
    if (n.out == 0.0) {
      auto& flat = flatNormals_[n.up > 0.0];
      if (flat.empty()) flat.push_back(builder_.AddNormal({0.0, 0.0, n.up}));
      return flat;
    }
    auto& normals = ringNormals_[{k, n.out, n.up}];
    if (normals.empty()) {
      for (int i = 0; i < Segments(k); ++i) {
        const double a = Angle(k, i);
        // Normals take the inverse of the squeeze along x.
        normals.push_back(
            builder_.AddNormal({n.out * std::cos(a) / shape_.xScale, n.out * std::sin(a), n.up}));
      }
    }
    return normals;
  }

  std::vector<double> Positions(int k) const {
    std::vector<double> positions;
    const int n = Segments(k);
    if (shape_.section[k].segments == 0) return {0.5};
    for (int i = 0; i <= n; ++i) positions.push_back(static_cast<double>(i) / n);
    return positions;
  }

  void AddBand(int from, int to) {
    // Seen from outside with the rings running round counter-clockwise from above, the later
    // ring of the section lies below the earlier one.
    const std::vector<int>& upperNormals = Normals(from, shape_.section[from].after);
    const std::vector<int>& lowerNormals = Normals(to, shape_.section[to].before);
    auto corner = [&](const ZipCorner& z) {
      const int ring = z.upper ? from : to;
      const auto& normals = z.upper ? upperNormals : lowerNormals;
      const int i = z.index % Segments(ring);
      return Corner{rings_[ring][i], normals.size() == 1 ? normals[0] : normals[i]};
    };
    for (const auto& t : ZipStrip(Positions(to), Positions(from))) {
      builder_.AddFace(corner(t[0]), corner(t[1]), corner(t[2]));
    }
  }

  TableBuilder& builder_;
  const TurnedShape& shape_;
  std::vector<std::vector<int>> rings_;
  std::map<bool, std::vector<int>> flatNormals_;
  std::map<std::tuple<int, double, double>, std::vector<int>> ringNormals_;
};

}  // namespace

void AddTurnedSurface(TableBuilder& builder, const TurnedShape& shape) {
  Turner(builder, shape).Build();
}

}  // namespace frost::meshgen
