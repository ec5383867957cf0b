// The black fade-in: an overlay of black with alpha 1 - t/5 over everything for the first five
// seconds, so the frame at t is the frame without the overlay times t/5, pixel for pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "frame_analysis.h"
#include "scene_runs.h"

namespace frost::scene_test {
namespace {

TEST(FadeIn, FirstFrameIsBlack) {
  CaptureRun& run = Capture(OpeningRun());
  ASSERT_EQ(run.Error(), "");
  const Picture& frame = run.Frame(0.0);
  ASSERT_FALSE(frame.Empty());
  int brightest = 0;
  for (int y = 0; y < frame.Height(); ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      const Rgb p = frame.At(x, y);
      brightest = std::max({brightest, p.r, p.g, p.b});
    }
  }
  // The overlay reads the clock a few milliseconds into the frame: alpha 0.998 lets through
  // at most one level of the brightest white.
  EXPECT_LE(brightest, 2);
}

TEST(FadeIn, DarkensEveryPixelByTheTimeGone) {
  CaptureRun& faded = Capture(OpeningRun());
  CaptureRun& plain = Capture(OpeningWithoutFadeRun());
  ASSERT_EQ(faded.Error(), "");
  ASSERT_EQ(plain.Error(), "");
  for (double t : {1.0, 2.5, 4.0}) {
    SCOPED_TRACE(testing::Message() << "t = " << t << " s");
    const Picture& a = faded.Frame(t);
    const Picture& b = plain.Frame(t);
    ASSERT_FALSE(a.Empty());
    ASSERT_FALSE(b.Empty());
    const double unfaded = MeanLuma(b);
    // Without the overlay the view (inside, then beside, the globe) is well lit; a dark one
    // would make the ratio meaningless.
    ASSERT_GT(unfaded, 60.0);
    const double factor = t / 5.0;
    EXPECT_NEAR(MeanLuma(a) / unfaded, factor, 0.01);

    // A uniform black layer, not a vignette or a partial cover: every channel of every pixel
    // is scaled alike, give or take rounding and the few milliseconds of clock the overlay
    // reads after the scene's own time.
    long off = 0;
    long channels = 0;
    for (int y = 0; y < a.Height(); ++y) {
      for (int x = 0; x < a.Width(); ++x) {
        const Rgb p = a.At(x, y);
        const Rgb q = b.At(x, y);
        for (auto [got, full] : {std::pair{p.r, q.r}, std::pair{p.g, q.g}, std::pair{p.b, q.b}}) {
          if (std::fabs(got - factor * full) > 2.0) ++off;
          ++channels;
        }
      }
    }
    EXPECT_LE(off, channels / 1000) << off << " of " << channels << " channels are not scaled";
  }
}

TEST(FadeIn, OverAtFiveSeconds) {
  CaptureRun& faded = Capture(OpeningRun());
  CaptureRun& plain = Capture(OpeningWithoutFadeRun());
  ASSERT_EQ(faded.Error(), "");
  ASSERT_EQ(plain.Error(), "");
  const auto a = FileBytes(faded.FramePath(5.0));
  ASSERT_FALSE(a.empty());
  EXPECT_TRUE(a == FileBytes(plain.FramePath(5.0)))
      << "the overlay still shows at 5 s: " << faded.FramePath(5.0) << " differs from "
      << plain.FramePath(5.0);
}

}  // namespace
}  // namespace frost::scene_test
