#include "scene/camera_path.h"

#include <gtest/gtest.h>

#include <cmath>

namespace frost {
namespace {

TEST(CameraPath, FirstFrameStandsBelowTheGlobeLookingUp) {
  CameraPath path;
  SceneRandom random;
  path.Step(0.0f, random);
  EXPECT_EQ(random.Seed(), 1u) << "no segment ends on the first frame";
  EXPECT_DOUBLE_EQ(path.orbitPoint.x, 0.0);
  EXPECT_DOUBLE_EQ(path.orbitPoint.z, 0.0);
  EXPECT_FLOAT_EQ(path.rise, -2.0f);
  Camera camera = CameraPath::BuildCamera();
  EXPECT_DOUBLE_EQ(camera.zNear, 0.001);
  EXPECT_DOUBLE_EQ(camera.zFar, 150.0);
  path.Place(camera);
  EXPECT_DOUBLE_EQ(camera.eye.x, 0.0);
  EXPECT_DOUBLE_EQ(camera.eye.z, -2.0);  // not clamped: -2 is above -2.5
}

TEST(CameraPath, DistanceEasesHalfwayAtHalfTheSegment) {
  CameraPath path;
  SceneRandom random;
  path.Step(0.0f, random);
  path.Step(2416.6f, random);
  EXPECT_NEAR(path.distance, 0.75f, 1e-5f);
  EXPECT_NEAR(CameraPath::Ease(31.416f), 0.5f, 1e-5f);
  EXPECT_NEAR(CameraPath::Ease(62.832f), 1.0f, 1e-6f);
}

TEST(CameraPath, SegmentEndStillEasesTheNextFrameDraws) {
  CameraPath path;
  SceneRandom random;
  // Distance segment: p3 = T * 0.013 reaches 62.832 at T = 4833.23.
  path.Step(4833.2f, random);
  EXPECT_EQ(random.Seed(), 1u);
  EXPECT_NEAR(path.distance, 1.5f, 1e-4f);
  path.Step(4900.0f, random);
  EXPECT_NE(random.Seed(), 1u);
  EXPECT_FLOAT_EQ(path.distanceFrom, 1.5f);
  EXPECT_FLOAT_EQ(path.distance, 1.5f);
  EXPECT_GE(path.distanceTo, 0.65f);
  EXPECT_LE(path.distanceTo, 2.649f);
  EXPECT_FLOAT_EQ(path.distanceStart, 4900.0f);
}

TEST(CameraPath, RiseClimbsForFiveSecondsThenHolds) {
  CameraPath path;
  SceneRandom random;
  path.Step(2500.0f, random);
  EXPECT_NEAR(path.rise, std::sin(2500.0 * 0.000314) * 2 - 2, 1e-6);
  path.Step(4999.0f, random);
  const float last = path.rise;
  EXPECT_NEAR(last, 0.0f, 0.01f);
  path.Step(9000.0f, random);
  EXPECT_EQ(path.rise, last);
}

TEST(CameraPath, GoalsStayInTheirRangesAndOneElevationInFiveIsClamped) {
  CameraPath path;
  SceneRandom random;
  int goals = 0;
  int clamped = 0;
  float lastStart = 0.0f;
  for (float T = 0.0f; T < 4.0e6f; T += 50.0f) {
    path.Step(T, random);
    if (path.orbitStart != lastStart) {
      lastStart = path.orbitStart;
      ++goals;
      EXPECT_GE(path.elevationTo, -0.3f);
      EXPECT_LE(path.elevationTo, 0.5f);
      EXPECT_GE(path.azimuthTo, 0.0f);
      EXPECT_LE(path.azimuthTo, 6.277f);
      if (path.elevationTo == -0.3f) ++clamped;
    }
    if (path.targetStart > 0.0f) {
      EXPECT_NEAR(std::sqrt(path.targetTo.Dot3(path.targetTo)), 1.0, 1e-9);
    }
    Camera camera = CameraPath::BuildCamera();
    path.Place(camera);
    EXPECT_GE(camera.eye.z, -2.5);
  }
  ASSERT_GT(goals, 250);
  EXPECT_NEAR(static_cast<double>(clamped) / goals, 0.2, 0.06);
}

}  // namespace
}  // namespace frost
