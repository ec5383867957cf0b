#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "decoded_image.h"
#include "generated_art.h"
#include "sky_lookup.h"

namespace frost::artgen::testing {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;
enum { kUp, kDown, kLeft, kRight, kFront, kBack };

class Skybox : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    faces_ = new std::vector<DecodedImage>;
    for (const char* name : {"up", "dn", "lf", "rt", "ft", "bk"}) {
      auto image = DecodeJpeg(GeneratedArt() / ("scene/data/grave_" + std::string(name) + ".jpg"));
      ASSERT_TRUE(image.has_value()) << name;
      faces_->push_back(std::move(*image));
    }
  }
  static void TearDownTestSuite() {
    delete faces_;
    faces_ = nullptr;
  }

  static int SumToward(const Dir& direction) {
    const CubeHit hit = sky_.Hit(direction);
    EXPECT_GE(hit.face, 0);
    return TexelSum((*faces_)[hit.face], hit.s, hit.t);
  }
  static const std::uint8_t* TexelToward(const Dir& direction) {
    const CubeHit hit = sky_.Hit(direction);
    return TexelAt((*faces_)[hit.face], hit.s, hit.t);
  }

  static inline DrawnSkybox sky_;
  static inline std::vector<DecodedImage>* faces_ = nullptr;
};

const Dir kSun{0.0, -43.0, 50.0};  // from the eye, where the scene puts its sun

TEST_F(Skybox, SunDirectionLandsOnTheUpFaceNearItsEdgeWithTheRightFace) {
  const CubeHit hit = sky_.Hit(kSun);
  EXPECT_EQ(hit.face, kUp);
  EXPECT_NEAR(hit.s, 0.5, 1e-9);
  EXPECT_NEAR(hit.t, 0.93, 1e-9);
  // The next face over is the right one (-Y): the glow must cross that edge.
  EXPECT_EQ(sky_.Hit(sky_.Direction(kUp, 0.5, 1.01)).face, kRight);
}

TEST_F(Skybox, SunIsNearWhiteWhereTheFlareProbesIt) {
  EXPECT_GE(SumToward(kSun), 700);
  // Not just one texel: everything within a degree passes, whatever the filtering.
  const Dir sun = Unit(kSun);
  const Dir side = Unit({1.0, 0.0, 0.0});
  const Dir up = {sun.y * side.z - sun.z * side.y, sun.z * side.x - sun.x * side.z,
                  sun.x * side.y - sun.y * side.x};
  for (int k = 0; k < 12; ++k) {
    const double a = k * 30.0 * kDegree, r = std::tan(1.0 * kDegree);
    const Dir d{sun.x + r * (std::cos(a) * side.x + std::sin(a) * up.x),
                sun.y + r * (std::cos(a) * side.y + std::sin(a) * up.y),
                sun.z + r * (std::cos(a) * side.z + std::sin(a) * up.z)};
    EXPECT_GE(SumToward(d), 700) << "at " << k * 30 << " degrees round the sun";
  }
}

TEST_F(Skybox, SkyNinetyDegreesFromTheSunIsNotNearWhite) {
  // The great circle 90 degrees from the sun, where it runs through sky (clouds included): only
  // the sun may reach the probe's threshold, or the flare would fire on a cloud.
  const Dir sun = Unit(kSun);
  const Dir across{1.0, 0.0, 0.0};
  const Dir over{0.0, -sun.z, sun.y};  // perpendicular to both, pointing up and away
  int checked = 0;
  for (int k = 0; k < 360; k += 5) {
    const double a = k * kDegree;
    const Dir d{std::cos(a) * across.x + std::sin(a) * over.x,
                std::cos(a) * across.y + std::sin(a) * over.y,
                std::cos(a) * across.z + std::sin(a) * over.z};
    ASSERT_NEAR(AngleBetween(d, kSun), 90.0 * kDegree, 1e-9);
    if (d.z < std::sin(10.0 * kDegree)) continue;
    ++checked;
    EXPECT_LT(SumToward(d), 700) << "at " << k << " degrees along the circle";
  }
  EXPECT_GT(checked, 20);
}

TEST_F(Skybox, BlueOverheadAndSnowBelow) {
  const std::uint8_t* zenith = TexelToward({0.0, 0.0, 1.0});
  EXPECT_GT(zenith[2] - zenith[0], 80);  // deep blue
  const std::uint8_t* nadir = TexelToward({0.0, 0.0, -1.0});
  EXPECT_GT(nadir[0] + nadir[1] + nadir[2], 600);  // bright snow
  EXPECT_GT(SumToward({0.0, 0.0, -1.0}), SumToward({0.0, 0.0, 1.0}) + 200);
  // Round the horizon, just below it is snow and well above it is sky.
  for (int k = 0; k < 8; ++k) {
    const double a = k * 45.0 * kDegree;
    const std::uint8_t* below = TexelToward({std::cos(a), std::sin(a), -0.1});
    const std::uint8_t* above = TexelToward({std::cos(a), std::sin(a), 0.6});
    EXPECT_LT(below[2] - below[0], above[2] - above[0]) << "azimuth " << k * 45;
  }
}

TEST_F(Skybox, SideFacesMeetWithoutSeamsAtTheHorizon) {
  // Vertical edges of the four side faces, rows within twenty degrees of the horizon.
  const double band = 0.5 * std::tan(20.0 * kDegree);
  for (int face : {kLeft, kRight, kFront, kBack}) {
    for (int side : {0, 1}) {
      const EdgeContrast c =
          MeasureEdge(*faces_, SkyboxLayout(), face, side, 0.5 - band, 0.5 + band);
      EXPECT_LE(c.across, 1.5 * c.inward + 3.0) << "face " << face << " side " << side;
    }
  }
}

TEST_F(Skybox, EveryFaceEdgeMeetsItsNeighbour) {
  for (int face = 0; face < 6; ++face) {
    for (int side = 0; side < 4; ++side) {
      const EdgeContrast c = MeasureEdge(*faces_, SkyboxLayout(), face, side);
      EXPECT_LE(c.across, 1.5 * c.inward + 3.0) << "face " << face << " side " << side;
    }
  }
}

}  // namespace
}  // namespace frost::artgen::testing
