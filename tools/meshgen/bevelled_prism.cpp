#include "bevelled_prism.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

#include "polygon_triangulation.h"

namespace frost::meshgen {
namespace {

// A direction in the loop's cross-section: outwards across the wall, and upwards.
struct Profile {
  double out = 0.0;
  double up = 0.0;
};

// Points of the cross-section from the wall's top edge to the top face: inset and height
// below the top, with the normal there. A chamfer has one facet normal for both ends, so its
// corners with the wall and the top stay sharp; a round-over meets both smoothly.
struct BevelPoint {
  double inset;
  double drop;
  // Profiles of the strips below and above this point; -1 is the flat top's normal.
  int lowerProfile;
  int upperProfile;
};

class LoopBuilder {
 public:
  LoopBuilder(TableBuilder& builder, const PrismLoop& loop, double creaseRadians)
      : builder_(builder), loop_(loop) {
    const int n = Count();
    edgeOut_.resize(n);
    for (int i = 0; i < n; ++i) {
      edgeOut_[i] = Normalized(RightOf(At(i + 1) - At(i)));
    }
    hard_.resize(n);
    miter_.resize(n);
    smoothOut_.resize(n);
    for (int i = 0; i < n; ++i) {
      const Point2 before = edgeOut_[(i + n - 1) % n];
      const Point2 after = edgeOut_[i];
      hard_[i] = std::acos(std::clamp(Dot(before, after), -1.0, 1.0)) > creaseRadians;
      miter_[i] = (before + after) * (1.0 / (1.0 + Dot(before, after)));
      smoothOut_[i] = Normalized(before + after);
    }
  }

  int Count() const { return static_cast<int>(loop_.points.size()); }
  Point2 At(int i) const { return loop_.points[(i + Count()) % Count()]; }
  Point2 Inset(int i, double distance) const { return At(i) - miter_[i] * distance; }

  // The cross-section, bottom edge first, top face's edge last.
  void BuildRings(double bottom, double top, int topNormal) {
    topNormal_ = topNormal;
    const int steps = loop_.bevelSteps;
    const double w = loop_.bevelWidth;
    const double h = loop_.bevelHeight;
    if (steps == 1) {
      profiles_ = {{1.0, 0.0}, {h, w}};
      points_ = {{0.0, h, 0, 1}, {w, 0.0, 1, -1}};
    } else {
      profiles_ = {{1.0, 0.0}};
      points_ = {{0.0, h, 0, 0}};
      for (int s = 1; s < steps; ++s) {
        const double a = 0.5 * std::numbers::pi * s / steps;
        profiles_.push_back({h * std::cos(a), w * std::sin(a)});
        const int id = static_cast<int>(profiles_.size()) - 1;
        points_.push_back({w * (1.0 - std::cos(a)), h * (1.0 - std::sin(a)), id, id});
      }
      points_.push_back({w, 0.0, -1, -1});
    }
    ringVertices_.assign(points_.size() + 1, {});
    for (int i = 0; i < Count(); ++i)
      ringVertices_[0].push_back(builder_.AddVertex(Lift(At(i), bottom)));
    for (std::size_t r = 0; r < points_.size(); ++r) {
      for (int i = 0; i < Count(); ++i) {
        const Point2 p = Inset(i, points_[r].inset);
        ringVertices_[r + 1].push_back(builder_.AddVertex(Lift(p, top - points_[r].drop)));
      }
    }
  }

  void BuildSides() {
    // The wall runs from the bottom ring to the first bevel ring, all facing straight out.
    AddStrip(0, 1, 0, 0);
    for (std::size_t r = 0; r + 1 < points_.size(); ++r) {
      AddStrip(static_cast<int>(r) + 1, static_cast<int>(r) + 2, points_[r].upperProfile,
               points_[r + 1].lowerProfile);
    }
  }

  std::vector<Point2> TopOutline() const {
    std::vector<Point2> outline;
    for (int i = 0; i < Count(); ++i) outline.push_back(Inset(i, loop_.bevelWidth));
    return outline;
  }
  const std::vector<int>& BottomRing() const { return ringVertices_.front(); }
  const std::vector<int>& TopRing() const { return ringVertices_.back(); }

 private:
  // Normal of vertex i where it borders edge i - 1 (before) or edge i (after).
  int NormalAt(int i, bool after, int profile) {
    if (profile < 0) return topNormal_;
    const Profile& p = profiles_[profile];
    const int n = Count();
    Point2 out;
    std::tuple<int, int, int> key;
    if (hard_[i]) {
      const int edge = after ? i : (i + n - 1) % n;
      out = edgeOut_[edge];
      key = {profile, 0, edge};
    } else {
      out = smoothOut_[i];
      key = {profile, 1, i};
    }
    const auto found = normals_.find(key);
    if (found != normals_.end()) return found->second;
    const int index = builder_.AddNormal({out.x * p.out, out.y * p.out, p.up});
    normals_.emplace(key, index);
    return index;
  }

  void AddStrip(int lowerRing, int upperRing, int lowerProfile, int upperProfile) {
    const int n = Count();
    for (int i = 0; i < n; ++i) {
      const int j = (i + 1) % n;
      const Corner a{ringVertices_[lowerRing][i], NormalAt(i, true, lowerProfile)};
      const Corner b{ringVertices_[lowerRing][j], NormalAt(j, false, lowerProfile)};
      const Corner c{ringVertices_[upperRing][j], NormalAt(j, false, upperProfile)};
      const Corner d{ringVertices_[upperRing][i], NormalAt(i, true, upperProfile)};
      builder_.AddFace(a, b, c);
      builder_.AddFace(a, c, d);
    }
  }

  TableBuilder& builder_;
  const PrismLoop& loop_;
  int topNormal_ = 0;
  std::vector<Point2> edgeOut_;
  std::vector<bool> hard_;
  std::vector<Point2> miter_;
  std::vector<Point2> smoothOut_;
  std::vector<Profile> profiles_;
  std::vector<BevelPoint> points_;
  std::vector<std::vector<int>> ringVertices_;
  std::map<std::tuple<int, int, int>, int> normals_;
};

void AddCap(TableBuilder& builder, const std::vector<std::array<int, 3>>& triangles,
            const std::vector<int>& vertexOf, int normal, bool facingDown) {
  for (const auto& t : triangles) {
    const Corner a{vertexOf[t[0]], normal};
    const Corner b{vertexOf[t[1]], normal};
    const Corner c{vertexOf[t[2]], normal};
    if (facingDown) {
      builder.AddFace(a, c, b);
    } else {
      builder.AddFace(a, b, c);
    }
  }
}

}  // namespace

bool AddBevelledPrism(TableBuilder& builder, const PrismShape& shape) {
  const double crease = shape.creaseDegrees * std::numbers::pi / 180.0;
  std::vector<LoopBuilder> loops;
  loops.reserve(shape.loops.size());
  for (const PrismLoop& loop : shape.loops) loops.emplace_back(builder, loop, crease);

  std::vector<std::vector<Point2>> topLoops;
  std::vector<std::vector<Point2>> bottomLoops;
  for (std::size_t i = 0; i < loops.size(); ++i) {
    topLoops.push_back(loops[i].TopOutline());
    bottomLoops.push_back(shape.loops[i].points);
  }
  const auto topTriangles = TriangulatePolygon(topLoops);
  const auto bottomTriangles = TriangulatePolygon(bottomLoops);
  if (topTriangles.empty() || bottomTriangles.empty()) return false;

  const int topNormal = builder.AddNormal({0.0, 0.0, 1.0});
  for (LoopBuilder& loop : loops) loop.BuildRings(shape.bottom, shape.top, topNormal);
  for (LoopBuilder& loop : loops) loop.BuildSides();

  std::vector<int> topVertices;
  std::vector<int> bottomVertices;
  for (const LoopBuilder& loop : loops) {
    topVertices.insert(topVertices.end(), loop.TopRing().begin(), loop.TopRing().end());
    bottomVertices.insert(bottomVertices.end(), loop.BottomRing().begin(), loop.BottomRing().end());
  }
  AddCap(builder, topTriangles, topVertices, topNormal, false);
  AddCap(builder, bottomTriangles, bottomVertices, builder.AddNormal({0.0, 0.0, -1.0}), true);
  return true;
}

}  // namespace frost::meshgen
