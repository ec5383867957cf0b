#include <gtest/gtest.h>

#include <cmath>

#include "geometry/camera.h"
#include "geometry/vec4d.h"

namespace frost {
namespace {

void ExpectVec(const Vec4d& v, double x, double y, double z, double w) {
  EXPECT_NEAR(v.x, x, 1e-12);
  EXPECT_NEAR(v.y, y, 1e-12);
  EXPECT_NEAR(v.z, z, 1e-12);
  EXPECT_NEAR(v.w, w, 1e-12);
}

TEST(Vec4d, NormalizeSetsUnitLengthAndLeavesZeroAlone) {
  Vec4d v(3, 0, 4, 7);
  v.Normalize();
  ExpectVec(v, 0.6, 0, 0.8, 1);
  Vec4d zero(0, 0, 0, 5);
  zero.Normalize();
  ExpectVec(zero, 0, 0, 0, 5);  // w is not set to 1 either
}

TEST(Vec4d, DotUsesFourComponentsCrossThree) {
  EXPECT_DOUBLE_EQ(Vec4d(1, 2, 3, 4).Dot(Vec4d(5, 6, 7, 8)), 70.0);
  ExpectVec(Vec4d(1, 0, 0, 9).Cross(Vec4d(0, 1, 0, 9)), 0, 0, 1, 1);
}

TEST(Mat4d, IdentityAndColumnsOutOfRange) {
  const Mat4d identity = Mat4d::Identity();
  ExpectVec(identity.Column(0), 1, 0, 0, 0);
  ExpectVec(identity.Column(3), 0, 0, 0, 1);
  ExpectVec(identity.Column(4), 0, 0, 0, 0);
  ExpectVec(identity.Column(-1), 0, 0, 0, 0);
  Mat4d m;
  m.At(2, 1) = 5.0;
  EXPECT_DOUBLE_EQ(m.m[6], 5.0);  // column-major: row 2 of column 1
}

TEST(Camera, DefaultLooksAlongXWithZUpAndMinusYToTheRight) {
  const Camera camera;
  ExpectVec(camera.left, 0, 1, 0, 1);
  ExpectVec(camera.dir, 1, 0, 0, 1);
  EXPECT_DOUBLE_EQ(camera.zNear, 0.1);
  EXPECT_DOUBLE_EQ(camera.zFar, 1.0);
}

// The view matrix itself is checked against the GL utility library's look-at in the GL tests.
TEST(Camera, UpEndsPerpendicularToTheViewUnitLongOnTheReferencesSide) {
  Camera camera(Vec4d(0, 0, 0, 1), Vec4d(1, 0, 0, 1), Vec4d(0, 0, 1, 1), 60, 4.0 / 3, 0.001, 150);
  camera.SetPosition(Vec4d(2.5, -7.0, 1.25, 1));
  camera.SetUpReference(Vec4d(0.1, 0.05, 1, 1));
  camera.LookAt(Vec4d(0.1, 0.2, -0.3, 1));
  camera.OrthogonalizeUp();
  EXPECT_NEAR(camera.up.Dot3(camera.dir), 0.0, 1e-12);
  EXPECT_NEAR(camera.up.Dot3(camera.up), 1.0, 1e-12);
  EXPECT_GT(camera.up.z, 0.0);
}

TEST(Camera, UpReferenceParallelToViewOrNoViewKeepsThePreviousUp) {
  Camera camera;
  camera.SetUpReference(Vec4d(0, 0.2, 1, 1));
  const Vec4d before = camera.up;
  camera.SetUpReference(Vec4d(1, 0, 0, 1));  // along dir
  ExpectVec(camera.up, before.x, before.y, before.z, before.w);
  EXPECT_TRUE(std::isfinite(camera.left.x));

  camera.LookAt(camera.eye);  // no direction at all
  ExpectVec(camera.dir, 0, 0, 0, 0);
  camera.OrthogonalizeUp();
  ExpectVec(camera.up, before.x, before.y, before.z, before.w);
}

TEST(Camera, ParameterisedConstructorTakesVectorsAsGiven) {
  const Camera camera(Vec4d(1, 2, 3, 1), Vec4d(0, 2, 0, 1), Vec4d(0, 0, 3, 1), 45, 1.5, 0.5, 9);
  ExpectVec(camera.dir, 0, 2, 0, 1);
  ExpectVec(camera.upRef, 0, 0, 0, 1);
  ExpectVec(camera.left, -1, 0, 0, 1);  // up x dir, normalised
  EXPECT_DOUBLE_EQ(camera.fov, 45);
}

}  // namespace
}  // namespace frost
