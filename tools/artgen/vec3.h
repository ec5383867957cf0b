#pragma once

#include <cmath>

namespace frost::artgen {

// Directions and points of the generator's own geometry, in double precision so that texels on
// both sides of a cube edge come out of the same arithmetic.
struct Vec3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

constexpr Vec3 operator+(const Vec3& a, const Vec3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Vec3 operator-(const Vec3& a, const Vec3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Vec3 operator*(const Vec3& a, double s) {
  return {a.x * s, a.y * s, a.z * s};
}
constexpr Vec3 operator*(double s, const Vec3& a) {
  return a * s;
}
constexpr double Dot(const Vec3& a, const Vec3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
constexpr Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(const Vec3& a) {
  return std::sqrt(Dot(a, a));
}
inline Vec3 Normalize(const Vec3& a) {
  const double length = Length(a);
  return length > 0.0 ? a * (1.0 / length) : a;
}

constexpr double kPi = 3.14159265358979323846;
constexpr double Radians(double degrees) {
  return degrees * kPi / 180.0;
}

constexpr double Clamp01(double v) {
  return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
}
constexpr double Mix(double a, double b, double t) {
  return a + (b - a) * t;
}
constexpr double Smoothstep(double edge0, double edge1, double v) {
  const double t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3.0 - 2.0 * t);
}

}  // namespace frost::artgen
