// The double-precision vector the camera and its path compute with.
#pragma once

namespace frost {

// A homogeneous double-precision vector. Points and directions alike carry w = 1 once built or
// normalised; w takes no part in lengths or cross products.
struct Vec4d {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double w = 0.0;

  constexpr Vec4d() = default;
  constexpr Vec4d(double x_, double y_, double z_, double w_) : x(x_), y(y_), z(z_), w(w_) {}

  // All four components.
  double Dot(const Vec4d& o) const { return x * o.x + y * o.y + z * o.z + w * o.w; }
  double Dot3(const Vec4d& o) const { return x * o.x + y * o.y + z * o.z; }
  Vec4d Cross(const Vec4d& o) const {
    return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x, 1.0};
  }
  // A zero-length vector is left exactly as it is, w included.
  void Normalize();

  Vec4d operator+(const Vec4d& o) const { return {x + o.x, y + o.y, z + o.z, w + o.w}; }
  Vec4d operator-(const Vec4d& o) const { return {x - o.x, y - o.y, z - o.z, w - o.w}; }
  Vec4d operator*(double s) const { return {x * s, y * s, z * s, w * s}; }
  bool operator==(const Vec4d&) const = default;
};

// Sixteen doubles in OpenGL's column-major order: row r, column j is element 4j + r, so the
// matrix goes to glMultMatrixd and gluProject as it is.
struct Mat4d {
  double m[16] = {};

  static Mat4d Identity();
  double& At(int row, int column) { return m[4 * column + row]; }
  double At(int row, int column) const { return m[4 * column + row]; }
  // All zeros (w too) for a column outside 0 to 3.
  Vec4d Column(int j) const;
};

}  // namespace frost
