// Holes are first joined to the outline by bridge edges (cut from each hole's rightmost point
// to an outline point it can see), which leaves one polygon that passes some points twice;
// that polygon is then cut into ears, always taking the ear whose smallest angle is largest,
// so that the flat faces keep few slivers.
#include "polygon_triangulation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace frost::meshgen {
namespace {

double Turn(Point2 a, Point2 b, Point2 c) {
  return Cross(b - a, c - b);
}

bool SamePoint(Point2 a, Point2 b) {
  return a.x == b.x && a.y == b.y;
}

// Inside or on the edges of the counter-clockwise triangle abc.
bool InTriangle(Point2 p, Point2 a, Point2 b, Point2 c) {
  return Cross(b - a, p - a) >= 0.0 && Cross(c - b, p - b) >= 0.0 && Cross(a - c, p - c) >= 0.0;
}

double SmallestAngle(Point2 a, Point2 b, Point2 c) {
  auto angle = [](Point2 at, Point2 u, Point2 v) {
    const Point2 e = u - at;
    const Point2 f = v - at;
    return std::atan2(std::abs(Cross(e, f)), Dot(e, f));
  };
  return std::min({angle(a, b, c), angle(b, c, a), angle(c, a, b)});
}

class Polygon {
 public:
  explicit Polygon(const std::vector<std::vector<Point2>>& loops) {
    for (const auto& loop : loops) {
      const int first = static_cast<int>(points_.size());
      points_.insert(points_.end(), loop.begin(), loop.end());
      std::vector<int> ids(loop.size());
      std::iota(ids.begin(), ids.end(), first);
      loops_.push_back(std::move(ids));
    }
  }

  bool JoinHoles() {
    ring_ = loops_[0];
    std::vector<std::vector<int>> holes(loops_.begin() + 1, loops_.end());
    // Rightmost holes first, so that each bridge runs to the outline or to a hole already
    // joined to it.
    std::sort(holes.begin(), holes.end(), [&](const auto& a, const auto& b) {
      return points_[Rightmost(a)].x > points_[Rightmost(b)].x;
    });
    for (const auto& hole : holes) {
      if (!JoinHole(hole)) return false;
    }
    return true;
  }

  std::vector<std::array<int, 3>> ClipEars() {
    std::vector<std::array<int, 3>> triangles;
    std::vector<int> ring = ring_;
    // Quality of the ear at each ring position, negative where there is none. Cutting an ear
    // changes only its two neighbours' corners; elsewhere one point fewer can only free ears,
    // so a full rescan is needed only when none is left.
    std::vector<double> quality(ring.size());
    auto rate = [&](int i) {
      const int n = static_cast<int>(ring.size());
      const int a = ring[(i + n - 1) % n];
      const int b = ring[i];
      const int c = ring[(i + 1) % n];
      quality[i] = IsEar(ring, a, b, c) ? SmallestAngle(points_[a], points_[b], points_[c]) : -1.0;
    };
    for (int i = 0; i < static_cast<int>(ring.size()); ++i) rate(i);
    bool rescanned = false;
    while (ring.size() > 3) {
      const int n = static_cast<int>(ring.size());
      const int best =
          static_cast<int>(std::max_element(quality.begin(), quality.end()) - quality.begin());
      if (quality[best] < 0.0) {
        if (rescanned) return {};
        for (int i = 0; i < n; ++i) rate(i);
        rescanned = true;
        continue;
      }
      rescanned = false;
      triangles.push_back({ring[(best + n - 1) % n], ring[best], ring[(best + 1) % n]});
      ring.erase(ring.begin() + best);
      quality.erase(quality.begin() + best);
      const int m = n - 1;
      rate((best + m - 1) % m);
      rate(best % m);
    }
    if (Turn(points_[ring[0]], points_[ring[1]], points_[ring[2]]) <= 0.0) return {};
    triangles.push_back({ring[0], ring[1], ring[2]});
    return triangles;
  }

 private:
  int Rightmost(const std::vector<int>& loop) const {
    return *std::max_element(loop.begin(), loop.end(),
                             [&](int a, int b) { return points_[a].x < points_[b].x; });
  }

  bool IsEar(const std::vector<int>& ring, int a, int b, int c) const {
    const Point2 pa = points_[a];
    const Point2 pb = points_[b];
    const Point2 pc = points_[c];
    if (Turn(pa, pb, pc) <= 0.0) return false;
    for (int id : ring) {
      const Point2 p = points_[id];
      if (SamePoint(p, pa) || SamePoint(p, pb) || SamePoint(p, pc)) continue;
      if (InTriangle(p, pa, pb, pc)) return false;
    }
    return true;
  }

  // True when the direction d leaves ring position i into the polygon's inside.
  bool OpensInto(int i, Point2 d) const {
    const int n = static_cast<int>(ring_.size());
    const Point2 prev = points_[ring_[(i + n - 1) % n]];
    const Point2 at = points_[ring_[i]];
    const Point2 next = points_[ring_[(i + 1) % n]];
    const Point2 in = prev - at;
    const Point2 out = next - at;
    if (Cross(out, in) >= 0.0) {  // convex corner: between the two edges
      return Cross(out, d) > 0.0 && Cross(d, in) > 0.0;
    }
    return !(Cross(in, d) >= 0.0 && Cross(d, out) >= 0.0);
  }

  bool JoinHole(const std::vector<int>& hole) {
    const int m = Rightmost(hole);
    const Point2 pm = points_[m];
    const int n = static_cast<int>(ring_.size());

    // Nearest crossing of the ray to the right of m with the ring.
    double nearest = std::numeric_limits<double>::infinity();
    int target = -1;
    for (int i = 0; i < n; ++i) {
      const Point2 a = points_[ring_[i]];
      const Point2 b = points_[ring_[(i + 1) % n]];
      if ((a.y > pm.y) == (b.y > pm.y)) continue;
      const double x = a.x + (pm.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (x < pm.x || x >= nearest) continue;
      nearest = x;
      target = a.x > b.x ? i : (i + 1) % n;
    }
    if (target < 0) return false;

    // A reflex ring point inside the triangle m, crossing, target would block the bridge;
    // the one closest in angle to the ray is visible from m.
    const Point2 crossing{nearest, pm.y};
    const Point2 pt = points_[ring_[target]];
    double bestAngle = std::numeric_limits<double>::infinity();
    for (int i = 0; i < n; ++i) {
      const Point2 p = points_[ring_[i]];
      if (SamePoint(p, pt)) continue;
      const Point2 prev = points_[ring_[(i + n - 1) % n]];
      const Point2 next = points_[ring_[(i + 1) % n]];
      if (Turn(prev, p, next) >= 0.0) continue;
      const bool inside =
          pt.y > pm.y ? InTriangle(p, pm, crossing, pt) : InTriangle(p, pm, pt, crossing);
      if (!inside) continue;
      const Point2 d = p - pm;
      const double angle = std::atan2(std::abs(d.y), d.x);
      if (angle < bestAngle) {
        bestAngle = angle;
        target = i;
      }
    }

    // A point the ring passes twice: bridge from the visit whose corner opens towards m.
    const Point2 to = points_[ring_[target]];
    for (int i = 0; i < n; ++i) {
      if (SamePoint(points_[ring_[i]], to) && OpensInto(i, pm - to)) {
        target = i;
        break;
      }
    }

    std::vector<int> joined(ring_.begin(), ring_.begin() + target + 1);
    const auto start = std::find(hole.begin(), hole.end(), m);
    joined.insert(joined.end(), start, hole.end());
    joined.insert(joined.end(), hole.begin(), start + 1);
    joined.insert(joined.end(), ring_.begin() + target, ring_.end());
    ring_ = std::move(joined);
    return true;
  }

  std::vector<Point2> points_;
  std::vector<std::vector<int>> loops_;
  std::vector<int> ring_;
};

}  // namespace

std::vector<std::array<int, 3>> TriangulatePolygon(const std::vector<std::vector<Point2>>& loops) {
  if (loops.empty() || loops[0].size() < 3) return {};
  Polygon polygon(loops);
  if (!polygon.JoinHoles()) return {};
  return polygon.ClipEars();
}

}  // namespace frost::meshgen
