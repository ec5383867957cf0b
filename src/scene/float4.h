// The single-precision vector the snow and the globe's motion compute with.
#pragma once

#include <cmath>

namespace frost {

// Four 32-bit floats, component-wise arithmetic; lengths and dot products use x, y and z only.
struct Float4 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float w = 0.0f;

  Float4 operator+(const Float4& o) const { return {x + o.x, y + o.y, z + o.z, w + o.w}; }
  Float4 operator-(const Float4& o) const { return {x - o.x, y - o.y, z - o.z, w - o.w}; }
  Float4 operator*(float s) const { return {x * s, y * s, z * s, w * s}; }
  Float4 operator-() const { return {-x, -y, -z, -w}; }
  float Dot3(const Float4& o) const { return x * o.x + y * o.y + z * o.z; }
  float Length3() const { return std::sqrt(Dot3(*this)); }
};

}  // namespace frost
