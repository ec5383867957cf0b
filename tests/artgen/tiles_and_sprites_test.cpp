#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "decoded_image.h"
#include "generated_art.h"

namespace frost::artgen::testing {
namespace {

DecodedImage Load(const char* name) {
  auto image = DecodeJpeg(GeneratedArt() / "scene/data" / name);
  EXPECT_TRUE(image.has_value()) << name;
  return image ? std::move(*image) : DecodedImage{};
}

double ColumnStep(const DecodedImage& image, int a, int b) {
  double sum = 0.0;
  for (int y = 0; y < image.height; ++y) {
    for (int c = 0; c < 3; ++c) sum += std::abs(image.At(a, y)[c] - image.At(b, y)[c]);
  }
  return sum / (image.height * 3);
}

double RowStep(const DecodedImage& image, int a, int b) {
  double sum = 0.0;
  for (int x = 0; x < image.width; ++x) {
    for (int c = 0; c < 3; ++c) sum += std::abs(image.At(x, a)[c] - image.At(x, b)[c]);
  }
  return sum / (image.width * 3);
}

double Median(std::vector<double> v) {
  std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
  return v[v.size() / 2];
}

// A repeating texture: stepping from the last column to the first (and last row to first)
// changes the colour no more than stepping between neighbours inside the picture does.
void ExpectTiles(const char* name) {
  SCOPED_TRACE(name);
  const DecodedImage image = Load(name);
  ASSERT_GT(image.width, 2);
  std::vector<double> columns, rows;
  for (int i = 0; i + 1 < image.width; ++i) columns.push_back(ColumnStep(image, i, i + 1));
  for (int i = 0; i + 1 < image.height; ++i) rows.push_back(RowStep(image, i, i + 1));
  EXPECT_LE(ColumnStep(image, image.width - 1, 0), 1.5 * Median(columns) + 1.0);
  EXPECT_LE(RowStep(image, image.height - 1, 0), 1.5 * Median(rows) + 1.0);
}

TEST(RepeatingTextures, FrostGroundAndDetailTileSeamlessly) {
  ExpectTiles("io.jpg");
  ExpectTiles("ground.jpg");
  ExpectTiles("detail2.jpg");
}

TEST(RepeatingTextures, DetailIsNeutralGreyThatBarelyDarkensTheGround) {
  const DecodedImage detail = Load("detail2.jpg");
  double mean = 0.0;
  for (int y = 0; y < detail.height; ++y) {
    for (int x = 0; x < detail.width; ++x) {
      const std::uint8_t* p = detail.At(x, y);
      EXPECT_LE(std::abs(p[0] - p[2]), 3);  // grey: it must not tint the snow
      mean += p[1];
    }
  }
  mean /= detail.width * detail.height;
  EXPECT_GT(mean, 200.0);
  EXPECT_LT(mean, 250.0);  // still some grain to break up the repeats
}

TEST(GlowSprite, WhiteCentreFallingSmoothlyToBlackEdgesAndCorners) {
  const DecodedImage glow = Load("bass.jpg");
  const int n = glow.width, half = n / 2;
  EXPECT_GE(glow.Sum(half, half), 750);
  for (auto [x, y] : {std::pair{0, 0}, {n - 1, 0}, {0, n - 1}, {n - 1, n - 1}}) {
    EXPECT_LE(glow.Sum(x, y), 6) << x << "," << y;
  }
  // Edge midpoints are black too: no visible square when drawn large.
  EXPECT_LE(glow.Sum(half, 0), 9);
  EXPECT_LE(glow.Sum(0, half), 9);
  // Falls monotonically (within JPEG noise) from the centre outwards, in all four directions.
  for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
    int previous = glow.Sum(half, half);
    for (int r = 2; r < half; r += 2) {
      const int v = glow.Sum(half + dx * r, half + dy * r);
      EXPECT_LE(v, previous + 6) << "radius " << r;
      previous = v;
    }
  }
}

TEST(SnowflakeSprite, SixBrightArmsWithDarkGapsOnBlack) {
  const DecodedImage flake = Load("basics.jpg");
  const double half = flake.width / 2.0;
  const auto sumAt = [&](double angleDegrees, double radius) {
    const double a = angleDegrees * 3.14159265358979323846 / 180.0;
    // Average of the 2 x 2 texels round the point: the arms are thin.
    const double x = half + std::cos(a) * radius * half - 0.5;
    const double y = half + std::sin(a) * radius * half - 0.5;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    return (flake.Sum(x0, y0) + flake.Sum(x0 + 1, y0) + flake.Sum(x0, y0 + 1) +
            flake.Sum(x0 + 1, y0 + 1)) /
           4;
  };
  EXPECT_GE(sumAt(0.0, 0.0), 600);
  for (int k = 0; k < 6; ++k) {
    EXPECT_GE(sumAt(60.0 * k, 0.7), 450) << "arm " << k;
    EXPECT_LE(sumAt(60.0 * k + 30.0, 0.8), 120) << "gap " << k;
  }
  const int n = flake.width;
  for (auto [x, y] : {std::pair{0, 0}, {n - 1, 0}, {0, n - 1}, {n - 1, n - 1}}) {
    EXPECT_LE(flake.Sum(x, y), 9);
  }
}

}  // namespace
}  // namespace frost::artgen::testing
