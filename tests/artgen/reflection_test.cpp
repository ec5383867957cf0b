#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "decoded_image.h"
#include "generated_art.h"
#include "sky_lookup.h"

namespace frost::artgen::testing {
namespace {

std::vector<DecodedImage> LoadCube(const char* suffix) {
  std::vector<DecodedImage> faces;
  // The scene's load order: front, back, top, bottom, left, right = +X, -X, +Y, -Y, +Z, -Z.
  for (const char* name : {"myfront", "myback", "mytop2", "mybottom", "myleft", "myrite"}) {
    auto image = DecodeJpeg(GeneratedArt() / "scene/data" / (std::string(name) + suffix + ".jpg"));
    EXPECT_TRUE(image.has_value()) << name << suffix;
    if (image) faces.push_back(std::move(*image));
  }
  return faces;
}

// What the globe pass shows for a reflected world direction.
const std::uint8_t* Reflected(const std::vector<DecodedImage>& cube, const Dir& world) {
  const CubeHit hit = GlCubeMapHit(GlobeTextureMatrix(world));
  return TexelAt(cube[hit.face], hit.s, hit.t);
}
int Sum(const std::uint8_t* p) {
  return p[0] + p[1] + p[2];
}

// Mean colour over the reflected directions within 45 degrees of straight up (or down).
struct CapMean {
  double r = 0.0, g = 0.0, b = 0.0;
};
CapMean Cap(const std::vector<DecodedImage>& cube, double zSign) {
  CapMean mean;
  int count = 0;
  for (int i = 0; i < 24; ++i) {
    for (int j = 1; j <= 4; ++j) {
      const double a = i * 2.0 * 3.14159265358979323846 / 24, tilt = j * 0.25;
      const std::uint8_t* p = Reflected(cube, {std::cos(a) * tilt, std::sin(a) * tilt, zSign});
      mean.r += p[0];
      mean.g += p[1];
      mean.b += p[2];
      ++count;
    }
  }
  mean.r /= count;
  mean.g /= count;
  mean.b /= count;
  return mean;
}

// Every edge of every face steps to its neighbour no more than texels step inside a face.
void ExpectSeamless(const std::vector<DecodedImage>& cube) {
  ASSERT_EQ(cube.size(), 6u);
  for (int face = 0; face < 6; ++face) {
    for (int side = 0; side < 4; ++side) {
      const EdgeContrast c = MeasureEdge(cube, GlCubeMapLayout(), face, side);
      EXPECT_LE(c.across, 1.5 * c.inward + 3.0) << "face " << face << " side " << side;
    }
  }
}

TEST(GlassReflection, FacesMeetWithoutSeams) {
  ExpectSeamless(LoadCube(""));
}

TEST(GlassReflection, SkyIsUpSnowIsDownAndTheSunIsWhereTheSkyboxHasIt) {
  const std::vector<DecodedImage> cube = LoadCube("");
  ASSERT_EQ(cube.size(), 6u);
  const CapMean up = Cap(cube, 1.0), down = Cap(cube, -1.0);
  EXPECT_GT(up.b - up.r, 25.0);                    // blue sky, dimmed
  EXPECT_LT(down.b - down.r, up.b - up.r - 15.0);  // near-neutral snow
  EXPECT_GT(down.r + down.g + down.b, 90.0);
  EXPECT_LT(down.r + down.g + down.b, 300.0);  // dimmed: the shell adds it onto the scene
  EXPECT_GE(Sum(Reflected(cube, {0.0, -43.0, 50.0})), 700);  // the sun's highlight
  EXPECT_LT(Sum(Reflected(cube, {0.0, 43.0, 50.0})), 300);
}

TEST(StudioReflection, FacesMeetWithoutSeams) {
  ExpectSeamless(LoadCube("a2"));
}

TEST(StudioReflection, HasBrightLightsAgainstDeepDarkAndAWarmFloor) {
  const std::vector<DecodedImage> cube = LoadCube("a2");
  ASSERT_EQ(cube.size(), 6u);
  int brightest = 0, darkest = 765;
  for (const DecodedImage& face : cube) {
    for (int y = 0; y < face.height; ++y) {
      for (int x = 0; x < face.width; ++x) {
        brightest = std::max(brightest, face.Sum(x, y));
        darkest = std::min(darkest, face.Sum(x, y));
      }
    }
  }
  EXPECT_GE(brightest, 720);
  EXPECT_LE(darkest, 60);
  const std::uint8_t* floor = Reflected(cube, {0.3, 0.2, -0.9});
  EXPECT_GT(floor[0], floor[2] + 10);
}

}  // namespace
}  // namespace frost::artgen::testing
