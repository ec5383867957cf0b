#include "sky_lookup.h"

#include <algorithm>
#include <cmath>

namespace frost::artgen::testing {
namespace {

using Matrix = std::array<double, 16>;

Matrix Identity() {
  return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix r{};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[column * 4 + k];
      r[column * 4 + row] = sum;
    }
  }
  return r;
}

// glTranslatef and glRotatef: post-multiply the current matrix.
Matrix Translate(const Matrix& m, double x, double y, double z) {
  Matrix t = Identity();
  t[12] = x;
  t[13] = y;
  t[14] = z;
  return Multiply(m, t);
}

Matrix Rotate(const Matrix& m, double degrees, double x, double y, double z) {
  const double a = degrees * 3.14159265358979323846 / 180.0;
  const double c = std::cos(a), s = std::sin(a);
  const double l = std::sqrt(x * x + y * y + z * z);
  x /= l;
  y /= l;
  z /= l;
  // The rotation matrix of the glRotate manual page, stored by columns.
  const Matrix r = {x * x * (1 - c) + c,
                    y * x * (1 - c) + z * s,
                    x * z * (1 - c) - y * s,
                    0,
                    x * y * (1 - c) - z * s,
                    y * y * (1 - c) + c,
                    y * z * (1 - c) + x * s,
                    0,
                    x * z * (1 - c) + y * s,
                    y * z * (1 - c) - x * s,
                    z * z * (1 - c) + c,
                    0,
                    0,
                    0,
                    0,
                    1};
  return Multiply(m, r);
}

Dir Transform(const Matrix& m, double x, double y, double z) {
  return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
          m[2] * x + m[6] * y + m[10] * z + m[14]};
}

double Dot(const Dir& a, const Dir& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

}  // namespace

Dir Unit(const Dir& d) {
  const double l = std::sqrt(Dot(d, d));
  return {d.x / l, d.y / l, d.z / l};
}

double AngleBetween(const Dir& a, const Dir& b) {
  return std::acos(std::clamp(Dot(Unit(a), Unit(b)), -1.0, 1.0));
}

DrawnSkybox::DrawnSkybox() {
  // glPushMatrix; bind up; glTranslatef(0, 0, 0.5); DrawQuad(-1, -1);
  //              bind down; glTranslatef(0, 0, -1); DrawQuad(-1, -1); glPopMatrix
  Matrix m = Translate(Identity(), 0, 0, 0.5);
  faces_[0] = {m, -1, -1};
  m = Translate(m, 0, 0, -1);
  faces_[1] = {m, -1, -1};
  // glRotatef(-90, 1, 0, 0); left: translate(0, 0, 0.5), DrawQuad(1, 1);
  //                         right: translate(0, 0, -1), DrawQuad(1, 1)
  m = Translate(Rotate(Identity(), -90, 1, 0, 0), 0, 0, 0.5);
  faces_[2] = {m, 1, 1};
  m = Translate(m, 0, 0, -1);
  faces_[3] = {m, 1, 1};
  // glRotatef(90, 0, 1, 0); front: translate(0, 0, 0.5), rotate(90, 0, 0, 1), DrawQuad(1, -1);
  //                        back: translate(0, 0, -1), DrawQuad(-1, -1)
  m = Rotate(Translate(Rotate(Identity(), 90, 0, 1, 0), 0, 0, 0.5), 90, 0, 0, 1);
  faces_[4] = {m, 1, -1};
  m = Translate(m, 0, 0, -1);
  faces_[5] = {m, -1, -1};
}

// DrawQuad gives texture coordinate (0, 0) to corner (-w/2, -h/2) and (1, 1) to (w/2, h/2).
Dir DrawnSkybox::Direction(int face, double s, double t) const {
  const Face& f = faces_[face];
  return Transform(f.model, (s - 0.5) * f.width, (t - 0.5) * f.height, 0.0);
}

CubeHit DrawnSkybox::Hit(const Dir& direction) const {
  const Dir d = Unit(direction);
  for (int face = 0; face < 6; ++face) {
    const Face& f = faces_[face];
    const Dir centre = Transform(f.model, 0, 0, 0);
    const double along = Dot(d, centre);
    if (along <= 0.0) continue;
    // Meet the face's plane, then undo the rigid model matrix (its inverse is its transpose).
    const double k = Dot(centre, centre) / along;
    const Dir p{d.x * k - f.model[12], d.y * k - f.model[13], d.z * k - f.model[14]};
    const double x = f.model[0] * p.x + f.model[1] * p.y + f.model[2] * p.z;
    const double y = f.model[4] * p.x + f.model[5] * p.y + f.model[6] * p.z;
    const double s = x / f.width + 0.5, t = y / f.height + 0.5;
    if (s >= 0.0 && s <= 1.0 && t >= 0.0 && t <= 1.0) return {face, s, t};
  }
  return {};
}

CubeHit GlCubeMapHit(const Dir& c) {
  const double ax = std::fabs(c.x), ay = std::fabs(c.y), az = std::fabs(c.z);
  int face = 0;
  double sc = 0.0, tc = 0.0, ma = 1.0;
  if (ax >= ay && ax >= az) {
    face = c.x > 0 ? 0 : 1;
    sc = c.x > 0 ? -c.z : c.z;
    tc = -c.y;
    ma = ax;
  } else if (ay >= az) {
    face = c.y > 0 ? 2 : 3;
    sc = c.x;
    tc = c.y > 0 ? c.z : -c.z;
    ma = ay;
  } else {
    face = c.z > 0 ? 4 : 5;
    sc = c.z > 0 ? c.x : -c.x;
    tc = -c.y;
    ma = az;
  }
  return {face, (sc / ma + 1.0) * 0.5, (tc / ma + 1.0) * 0.5};
}

Dir GlCubeMapDirection(int face, double s, double t) {
  const double sc = 2.0 * s - 1.0, tc = 2.0 * t - 1.0;
  switch (face) {
    case 0:
      return {1.0, -tc, -sc};
    case 1:
      return {-1.0, -tc, sc};
    case 2:
      return {sc, 1.0, tc};
    case 3:
      return {sc, -1.0, -tc};
    case 4:
      return {sc, -tc, 1.0};
    default:
      return {-sc, -tc, -1.0};
  }
}

Dir GlobeTextureMatrix(const Dir& world) {
  const Matrix r = Rotate(Identity(), 90, 0, 1, 0);
  return Transform(r, world.x, world.y, world.z);
}

const std::uint8_t* TexelAt(const DecodedImage& image, double s, double t) {
  const int x = std::clamp(static_cast<int>(std::floor(s * image.width)), 0, image.width - 1);
  const int y = std::clamp(static_cast<int>(std::floor(t * image.height)), 0, image.height - 1);
  return image.At(x, y);
}

int TexelSum(const DecodedImage& image, double s, double t) {
  const std::uint8_t* p = TexelAt(image, s, t);
  return p[0] + p[1] + p[2];
}

CubeLayout SkyboxLayout() {
  static const DrawnSkybox sky;
  return {[](int face, double s, double t) { return sky.Direction(face, s, t); },
          [](const Dir& d) { return sky.Hit(d); }};
}

CubeLayout GlCubeMapLayout() {
  return {GlCubeMapDirection, GlCubeMapHit};
}

EdgeContrast MeasureEdge(const std::vector<DecodedImage>& faces, const CubeLayout& layout, int face,
                         int side, double from, double to) {
  const DecodedImage& image = faces[face];
  const double texel = 1.0 / image.width;
  EdgeContrast contrast;
  int count = 0;
  for (int i = 0; i < image.width; ++i) {
    const double along = (i + 0.5) * texel;
    if (along < from || along > to) continue;
    double s = along, t = along, ds = 0.0, dt = 0.0;
    if (side == 0) s = 0.5 * texel, ds = -texel;
    if (side == 1) s = 1.0 - 0.5 * texel, ds = texel;
    if (side == 2) t = 0.5 * texel, dt = -texel;
    if (side == 3) t = 1.0 - 0.5 * texel, dt = texel;
    const CubeHit over = layout.hit(layout.direction(face, s + ds, t + dt));
    if (over.face < 0 || over.face == face) return {1e9, 0.0};  // not a cube: fail loudly
    const std::uint8_t* border = TexelAt(image, s, t);
    const std::uint8_t* inside = TexelAt(image, s - ds, t - dt);
    const std::uint8_t* beyond = TexelAt(faces[over.face], over.s, over.t);
    for (int c = 0; c < 3; ++c) {
      contrast.across += std::abs(border[c] - beyond[c]);
      contrast.inward += std::abs(border[c] - inside[c]);
    }
    count += 3;
  }
  contrast.across /= count;
  contrast.inward /= count;
  return contrast;
}

}  // namespace frost::artgen::testing
