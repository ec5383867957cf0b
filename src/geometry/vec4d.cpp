#include "geometry/vec4d.h"

#include <cmath>

namespace frost {

void Vec4d::Normalize() {
  const double length = std::sqrt(x * x + y * y + z * z);
  if (length == 0.0) return;
  x /= length;
  y /= length;
  z /= length;
  w = 1.0;
}

Mat4d Mat4d::Identity() {
  Mat4d identity;
  for (int k = 0; k < 16; ++k) identity.m[k] = k % 5 == 0 ? 1.0 : 0.0;
  return identity;
}

Vec4d Mat4d::Column(int j) const {
  if (j < 0 || j > 3) return {0.0, 0.0, 0.0, 0.0};
  return {m[4 * j], m[4 * j + 1], m[4 * j + 2], m[4 * j + 3]};
}

}  // namespace frost
