// The picture after the fade-in, checked against where the replayed camera puts things: sky
// above the horizon, snow below it, the globe with its golden centrepiece and its snow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>

#include "frame_analysis.h"
#include "scene_runs.h"

namespace frost::scene_test {
namespace {

struct RegionCounts {
  long pixels = 0;
  double sumY = 0.0;
  double MeanY() const { return pixels > 0 ? sumY / static_cast<double>(pixels) : 0.0; }
};

// Orange and gold: red well above blue. The sky, the snow and the glass are all blue-white,
// so only the centrepiece shows such pixels.
bool Warm(const Rgb& p) {
  return p.r > p.b + 40 && p.r > 120;
}

double Ratio(long part, long whole) {
  return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

// A time of the opening, as full screen shows it or, `wide`, inside a 2:1 window.
struct LayoutCase {
  double seconds;
  bool wide;
};

class SceneLayout : public testing::TestWithParam<LayoutCase> {
 protected:
  void SetUp() override {
    run_ = &Capture(GetParam().wide ? WideEmbeddedRun() : OpeningRun());
    ASSERT_EQ(run_->Error(), "");
    frame_ = &run_->Frame(GetParam().seconds);
    ASSERT_FALSE(frame_->Empty());
    view_ = std::make_unique<FrameView>(run_->View(GetParam().seconds));
    regions_ = ClassifyPixels(*view_);
  }

  Region At(int x, int y) const {
    return regions_[static_cast<std::size_t>(y) * frame_->Width() + x];
  }
  long PictureArea() const { return static_cast<long>(frame_->Width()) * frame_->Height(); }

  CaptureRun* run_ = nullptr;
  const Picture* frame_ = nullptr;
  std::unique_ptr<FrameView> view_;
  std::vector<Region> regions_;
};

TEST_P(SceneLayout, SkyAboveGroundBelow) {
  RegionCounts sky;
  RegionCounts ground;
  long blue = 0;
  double skyLuma = 0.0;
  long brightGround = 0;
  double groundLuma = 0.0;
  for (int y = 0; y < frame_->Height(); ++y) {
    for (int x = 0; x < frame_->Width(); ++x) {
      const Rgb p = frame_->At(x, y);
      if (At(x, y) == Region::kSky) {
        ++sky.pixels;
        sky.sumY += y;
        // Clear blue: the painted snow and the clouds are blue-white, with blue at most a
        // few tens above red.
        if (p.b >= p.r + 40) ++blue;
        skyLuma += p.Luma();
      } else if (At(x, y) == Region::kGround) {
        ++ground.pixels;
        ground.sumY += y;
        // Lit snow is near white; even its blue shade stays above this.
        if (p.Luma() >= 170.0) ++brightGround;
        groundLuma += p.Luma();
      }
    }
  }
  // The times are chosen where the camera shows both; if the path changes, choose others.
  ASSERT_GE(sky.pixels, PictureArea() / 20) << "too little sky in view";
  ASSERT_GE(ground.pixels, PictureArea() / 50) << "too little ground in view";
  EXPECT_LT(sky.MeanY(), frame_->Height() / 2.0) << "sky not in the upper part";
  EXPECT_GT(ground.MeanY(), frame_->Height() / 2.0) << "ground not in the lower part";

  // Clouds and the haze near the sun are whiter, hence a large fraction rather than all.
  const double skyPixels = static_cast<double>(sky.pixels);
  const double groundPixels = static_cast<double>(ground.pixels);
  EXPECT_GE(Ratio(blue, sky.pixels), 0.85);
  EXPECT_GE(Ratio(brightGround, ground.pixels), 0.9);
  EXPECT_GT(groundLuma / groundPixels, skyLuma / skyPixels) << "the snow outshines the sky";
}

TEST_P(SceneLayout, GlobeAndCentrepieceWhereTheCameraPutsThem) {
  PicturePoint centre;
  ASSERT_TRUE(view_->ProjectPoint(Vec4d(0, 0, 0, 1), centre));
  // The camera always looks at a point within a unit of the globe's centre.
  EXPECT_NEAR(centre.x, frame_->Width() / 2.0, frame_->Width() / 4.0);
  EXPECT_NEAR(centre.y, frame_->Height() / 2.0, frame_->Height() / 4.0);

  long disc = 0;
  long warmInside = 0;
  long outside = 0;
  long warmOutside = 0;
  for (int y = 0; y < frame_->Height(); ++y) {
    for (int x = 0; x < frame_->Width(); ++x) {
      const bool warm = Warm(frame_->At(x, y));
      if (At(x, y) == Region::kGlobe) {
        ++disc;
        warmInside += warm;
      } else if (At(x, y) != Region::kGlobeMargin) {
        ++outside;
        warmOutside += warm;
      }
    }
  }
  ASSERT_GT(disc, PictureArea() / 50) << "the globe is too small to judge";
  // Even edge-on the medallion's rim shows; turned towards the camera it fills a tenth of
  // the disc.
  EXPECT_GE(Ratio(warmInside, disc), 0.005) << "no centrepiece in the globe";
  EXPECT_LE(Ratio(warmOutside, outside), 0.0005) << "orange outside the globe";

  // The snow fills the glass evenly around its centre, so the specks' centroid is the disc's
  // centre as the picture has it.
  const std::vector<Speck> specks = FindSpecks(*frame_);
  ASSERT_FALSE(specks.empty());
  double sx = 0.0;
  double sy = 0.0;
  for (const Speck& s : specks) {
    sx += s.x + 0.5;
    sy += s.y + 0.5;
  }
  sx /= static_cast<double>(specks.size());
  sy /= static_cast<double>(specks.size());
  const double radius = std::sqrt(static_cast<double>(disc) / std::numbers::pi);
  EXPECT_LE(std::hypot(sx - centre.x, sy - centre.y), 0.15 * radius)
      << "specks centred at (" << sx << ", " << sy << "), the globe at (" << centre.x << ", "
      << centre.y << ") radius " << radius;
}

TEST_P(SceneLayout, SnowSpecksFillTheGlobe) {
  long disc = 0;
  long elsewhere = 0;
  for (Region r : regions_) {
    if (r == Region::kGlobe) ++disc;
    if (r != Region::kGlobe && r != Region::kGlobeMargin) ++elsewhere;
  }
  ASSERT_GT(disc, PictureArea() / 50);
  long inside = 0;
  long near = 0;
  long outside = 0;
  const std::vector<Speck> specks = FindSpecks(*frame_);
  for (const Speck& s : specks) {
    const Region r = At(s.x, s.y);
    if (r == Region::kGlobe) ++inside;
    if (r == Region::kGlobe || r == Region::kGlobeMargin) ++near;
    if (r != Region::kGlobe && r != Region::kGlobeMargin) ++outside;
  }
  // 8000 flakes give about a hundred specks per thousand pixels of disc; the frosted glass
  // alone gives about five, the sky and snow fields well under one.
  EXPECT_GE(1000.0 * Ratio(inside, disc), 30.0) << inside << " specks in " << disc << " pixels";
  EXPECT_LE(1000.0 * Ratio(outside, elsewhere), 3.0) << outside << " specks outside the globe";
  EXPECT_GE(Ratio(near, static_cast<long>(specks.size())), 0.95);
}

// The wide window's globe must be round to lie in the disc its camera predicts.
INSTANTIATE_TEST_SUITE_P(AfterFadeIn, SceneLayout,
                         testing::Values(LayoutCase{5.0, false}, LayoutCase{6.0, false},
                                         LayoutCase{8.0, false}, LayoutCase{10.0, false},
                                         LayoutCase{12.0, false}, LayoutCase{6.0, true}),
                         [](const testing::TestParamInfo<LayoutCase>& param) {
                           return std::string(param.param.wide ? "Wide" : "") + "At" +
                                  std::to_string(static_cast<int>(param.param.seconds)) + "s";
                         });

// The same height of view at any width: the middle of the wide picture is the 4:3 one, up to
// the glow, whose fixed-size buffer is spread over twice the width.
TEST(EmbeddedView, MiddleOfAWideWindowIsTheFullScreenPicture) {
  CaptureRun& plain = Capture(OpeningRun());
  CaptureRun& wide = Capture(WideEmbeddedRun());
  ASSERT_EQ(plain.Error(), "");
  ASSERT_EQ(wide.Error(), "");
  const Picture& narrow = plain.Frame(6.0);
  const Picture& broad = wide.Frame(6.0);
  ASSERT_FALSE(narrow.Empty() || broad.Empty());
  const int left = (broad.Width() - narrow.Width()) / 2;
  double sum = 0.0;
  for (int y = 0; y < narrow.Height(); ++y) {
    for (int x = 0; x < narrow.Width(); ++x) {
      const Rgb a = narrow.At(x, y);
      const Rgb b = broad.At(x + left, y);
      sum += (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
    }
  }
  const double rmse = std::sqrt(sum / (3.0 * narrow.Width() * narrow.Height())) / 255.0;
  // Measured: 2.6 % this way, 14.8 % with the 4:3 view stretched to the window.
  EXPECT_LE(rmse, 0.05);
}

// A long drag of the mouse pushes the globe two units down, its foot well below the shadow's
// plane at z = -2.9. The sky, the ground and the shadow lie under the globe without depth, so
// the glass seen only below that plane still shows the snow that settled there.
TEST(PushedGlobe, FootBelowTheShadowKeepsItsSnow) {
  CaptureRequest request = LoneFrameRun("pushed-down");
  request.cursorY = 4000;
  CaptureRun& run = Capture(request);
  ASSERT_EQ(run.Error(), "");
  const auto offsets = run.Offsets();
  ASSERT_FALSE(offsets.empty());
  ASSERT_DOUBLE_EQ(offsets.back().z, -2.0);
  const Picture& frame = run.Frame(6.0);
  ASSERT_FALSE(frame.Empty());
  const FrameView view = run.View(6.0);

  // Where the ray through a pixel enters the glass, if it meets it: its height.
  const Vec4d fromCentre =
      view.Eye() - Vec4d(offsets.back().x, offsets.back().y, offsets.back().z, 1.0);
  auto entryHeight = [&](int x, int y, double& z) {
    Vec4d d = view.DirectionAt(x, y);
    d = d * (1.0 / std::sqrt(d.Dot3(d)));
    const double b = fromCentre.Dot3(d);
    const double c = fromCentre.Dot3(fromCentre) - kGlobeRadius * kGlobeRadius;
    if (b * b <= c) return false;
    z = view.Eye().z - (b + std::sqrt(b * b - c)) * d.z;
    return true;
  };
  long discPixels = 0;
  long footPixels = 0;
  for (int y = 0; y < frame.Height(); ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      double z = 0.0;
      if (!entryHeight(x, y, z)) continue;
      ++discPixels;
      footPixels += z < -2.9;
    }
  }
  ASSERT_GE(footPixels, 1000) << "the camera does not see the foot";
  long discSpecks = 0;
  long footSpecks = 0;
  for (const Speck& s : FindSpecks(frame)) {
    double z = 0.0;
    if (!entryHeight(s.x, s.y, z)) continue;
    ++discSpecks;
    footSpecks += z < -2.9;
  }
  // Measured: 108 specks in 3274 pixels of foot, 3666 in the disc's 50196; none in the foot
  // with the ground's depth in the way.
  EXPECT_GE(Ratio(footSpecks, footPixels), 0.2 * Ratio(discSpecks, discPixels))
      << footSpecks << " specks in " << footPixels << " pixels of foot, " << discSpecks << " in "
      << discPixels << " of the disc";
}

}  // namespace
}  // namespace frost::scene_test
