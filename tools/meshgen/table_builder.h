// Appends vertices, normals and triangles to the centrepiece's tables. The generators work in
// double precision and round to float only when a value is stored.
#pragma once

#include <array>
#include <cmath>
#include <vector>

#include "geometry/mesh_tables.h"

namespace frost::meshgen {

struct Point2 {
  double x = 0.0;
  double y = 0.0;
};

struct Point3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

constexpr Point2 operator+(Point2 a, Point2 b) {
  return {a.x + b.x, a.y + b.y};
}
constexpr Point2 operator-(Point2 a, Point2 b) {
  return {a.x - b.x, a.y - b.y};
}
constexpr Point2 operator*(Point2 a, double s) {
  return {a.x * s, a.y * s};
}
constexpr double Dot(Point2 a, Point2 b) {
  return a.x * b.x + a.y * b.y;
}
constexpr double Cross(Point2 a, Point2 b) {
  return a.x * b.y - a.y * b.x;
}
inline double Length(Point2 a) {
  return std::sqrt(Dot(a, a));
}
inline Point2 Normalized(Point2 a) {
  return a * (1.0 / Length(a));
}
// Turned a quarter turn clockwise: for an edge that keeps the solid on its left, its outward
// side.
constexpr Point2 RightOf(Point2 a) {
  return {a.y, -a.x};
}
inline Point2 Rotated(Point2 a, double radians) {
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  return {a.x * c - a.y * s, a.x * s + a.y * c};
}

constexpr Point3 operator+(Point3 a, Point3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Point3 operator-(Point3 a, Point3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Point3 operator*(Point3 a, double s) {
  return {a.x * s, a.y * s, a.z * s};
}
constexpr double Dot(Point3 a, Point3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
constexpr Point3 Cross(Point3 a, Point3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Point3 a) {
  return std::sqrt(Dot(a, a));
}
inline Point3 Normalized(Point3 a) {
  return a * (1.0 / Length(a));
}
constexpr Point3 Lift(Point2 p, double z) {
  return {p.x, p.y, z};
}

// One corner of a triangle: where it is and which way it faces.
struct Corner {
  int vertex = 0;
  int normal = 0;
};

class TableBuilder {
 public:
  TableBuilder(std::vector<Vec3f>& vertices, std::vector<Vec3f>& normals,
               std::vector<FaceVN>& faces)
      : vertices_(vertices), normals_(normals), faces_(faces) {}

  int AddVertex(Point3 p);
  // Stored at unit length.
  int AddNormal(Point3 n);
  // Corners counter-clockwise seen from the side the normals face.
  void AddFace(Corner a, Corner b, Corner c);
  // A flat facet: one new normal, taken from the corners' winding.
  void AddFacet(int a, int b, int c);

  Point3 Vertex(int index) const;
  int VertexCount() const { return static_cast<int>(vertices_.size()); }
  int NormalCount() const { return static_cast<int>(normals_.size()); }

 private:
  std::vector<Vec3f>& vertices_;
  std::vector<Vec3f>& normals_;
  std::vector<FaceVN>& faces_;
};

// Which polyline a zipped triangle corner comes from, and where on it.
struct ZipCorner {
  bool upper = false;
  int index = 0;
};

// Triangulates the strip between two polylines that run side by side, each with positions
// in [0, 1] along the strip (increasing). Seen from the front, `lower` runs left to right
// below `upper`; the triangles come out counter-clockwise from the front, (lower + upper - 2)
// of them.
std::vector<std::array<ZipCorner, 3>> ZipStrip(const std::vector<double>& lower,
                                               const std::vector<double>& upper);

}  // namespace frost::meshgen
