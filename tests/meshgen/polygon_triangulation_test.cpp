#include "polygon_triangulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace frost::meshgen {
namespace {

using Loops = std::vector<std::vector<Point2>>;

double SignedArea(const std::vector<Point2>& loop) {
  double twice = 0.0;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    twice += Cross(loop[i], loop[(i + 1) % loop.size()]);
  }
  return 0.5 * twice;
}

bool Inside(Point2 p, const std::vector<Point2>& loop) {
  bool inside = false;
  for (std::size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++) {
    const Point2 a = loop[i];
    const Point2 b = loop[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
      inside = !inside;
    }
  }
  return inside;
}

// The triangles must be counter-clockwise, lie inside the outline and outside every hole, and
// together cover exactly the polygon's area.
void ExpectTriangulates(const Loops& loops) {
  std::vector<Point2> points;
  double area = 0.0;
  for (const auto& loop : loops) {
    points.insert(points.end(), loop.begin(), loop.end());
    area += SignedArea(loop);  // holes run clockwise, so they subtract
  }
  const auto triangles = TriangulatePolygon(loops);
  ASSERT_EQ(triangles.size(), points.size() + 2 * (loops.size() - 1) - 2);
  double covered = 0.0;
  for (const auto& t : triangles) {
    const Point2 a = points[t[0]];
    const Point2 b = points[t[1]];
    const Point2 c = points[t[2]];
    const double twice = Cross(b - a, c - a);
    EXPECT_GT(twice, 0.0);
    covered += 0.5 * twice;
    const Point2 centroid = (a + b + c) * (1.0 / 3.0);
    EXPECT_TRUE(Inside(centroid, loops[0]));
    for (std::size_t h = 1; h < loops.size(); ++h) EXPECT_FALSE(Inside(centroid, loops[h]));
  }
  EXPECT_NEAR(covered, area, 1e-12);
}

std::vector<Point2> Square(Point2 centre, double half, bool clockwise) {
  std::vector<Point2> s{{centre.x - half, centre.y - half},
                        {centre.x + half, centre.y - half},
                        {centre.x + half, centre.y + half},
                        {centre.x - half, centre.y + half}};
  if (clockwise) std::reverse(s.begin(), s.end());
  return s;
}

std::vector<Point2> Star(int points, double outer, double inner) {
  std::vector<Point2> star;
  for (int i = 0; i < 2 * points; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double a = std::numbers::pi * i / points;
    star.push_back({r * std::cos(a), r * std::sin(a)});
  }
  return star;
}

TEST(TriangulatePolygon, CutsConvexAndConcaveOutlines) {
  ExpectTriangulates({Square({0, 0}, 1, false)});
  ExpectTriangulates({Star(6, 1.0, 0.3)});
  // A comb: deep notches whose corners see each other only partly.
  ExpectTriangulates({{{0, 0},
                       {5, 0},
                       {5, 3},
                       {4, 3},
                       {4, 1},
                       {3, 1},
                       {3, 3},
                       {2, 3},
                       {2, 1},
                       {1, 1},
                       {1, 3},
                       {0, 3}}});
}

TEST(TriangulatePolygon, BridgesHolesIntoTheOutline) {
  ExpectTriangulates({Star(6, 1.0, 0.6), Square({0, 0}, 0.2, true)});
  // Holes side by side at one height: the left one's bridge runs to the right one.
  ExpectTriangulates(
      {Square({0, 0}, 1, false), Square({-0.5, 0}, 0.2, true), Square({0.5, 0}, 0.2, true)});
  // The left hole's bridge lands on the right one's rightmost point.
  ExpectTriangulates({Square({0, 0}, 1, false),
                      {{0.5, 0.0}, {0.2, 0.3}, {0.3, 0.5}},
                      {{-0.3, 0.0}, {-0.6, -0.3}, {-0.6, 0.2}}});
  // The upper hole's bridge lands on the outline corner where the first bridge ended, which
  // the polygon passes twice; only the second visit opens towards the upper hole.
  ExpectTriangulates({Square({0, 0}, 1, false),
                      {{0.5, 0.0}, {0.2, 0.3}, {0.3, 0.5}},
                      {{0.45, 0.8}, {0.3, 0.7}, {0.3, 0.9}}});
  // A spike hanging from the top hides the nearest outline corner from the hole.
  ExpectTriangulates({{{0, 0}, {10, 0}, {10, 10}, {6, 10}, {5.5, 6}, {5, 10}, {0, 10}},
                      Square({2.5, 5}, 0.5, true)});
}

TEST(TriangulatePolygon, RefusesAnOutlineRunningClockwise) {
  EXPECT_TRUE(TriangulatePolygon({Square({0, 0}, 1, true)}).empty());
  EXPECT_TRUE(TriangulatePolygon({}).empty());
}

}  // namespace
}  // namespace frost::meshgen
