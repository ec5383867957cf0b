#include "table_builder.h"

#include <cassert>
#include <cstdint>
#include <limits>

namespace frost::meshgen {
namespace {

std::int16_t Index16(int index) {
  assert(index >= 0 && index <= std::numeric_limits<std::int16_t>::max());
  return static_cast<std::int16_t>(index);
}

Vec3f ToFloat(Point3 p) {
  return {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)};
}

}  // namespace

int TableBuilder::AddVertex(Point3 p) {
  vertices_.push_back(ToFloat(p));
  return VertexCount() - 1;
}

int TableBuilder::AddNormal(Point3 n) {
  normals_.push_back(ToFloat(Normalized(n)));
  return NormalCount() - 1;
}

void TableBuilder::AddFace(Corner a, Corner b, Corner c) {
  faces_.push_back({{Index16(a.vertex), Index16(b.vertex), Index16(c.vertex)},
                    {Index16(a.normal), Index16(b.normal), Index16(c.normal)}});
}

void TableBuilder::AddFacet(int a, int b, int c) {
  const Point3 pa = Vertex(a);
  const int n = AddNormal(Cross(Vertex(b) - pa, Vertex(c) - pa));
  AddFace({a, n}, {b, n}, {c, n});
}

Point3 TableBuilder::Vertex(int index) const {
  const Vec3f& v = vertices_[index];
  return {v.x, v.y, v.z};
}

std::vector<std::array<ZipCorner, 3>> ZipStrip(const std::vector<double>& lower,
                                               const std::vector<double>& upper) {
  std::vector<std::array<ZipCorner, 3>> triangles;
  const int lowerLast = static_cast<int>(lower.size()) - 1;
  const int upperLast = static_cast<int>(upper.size()) - 1;
  int i = 0;
  int j = 0;
  while (i < lowerLast || j < upperLast) {
    // Step along whichever side lags behind, so the triangles stay as square as they can.
    const bool stepLower = j == upperLast || (i < lowerLast && lower[i + 1] <= upper[j + 1]);
    if (stepLower) {
      triangles.push_back({ZipCorner{false, i}, ZipCorner{false, i + 1}, ZipCorner{true, j}});
      ++i;
    } else {
      triangles.push_back({ZipCorner{false, i}, ZipCorner{true, j + 1}, ZipCorner{true, j}});
      ++j;
    }
  }
  return triangles;
}

}  // namespace frost::meshgen
