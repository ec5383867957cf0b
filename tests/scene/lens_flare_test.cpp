// The lens flare, found by comparing frames. The sky is painted on a box around the eye, so a
// direction of the sky looks the same in every frame that shows it, while the flare is drawn
// on top in screen space. Where a frame is brighter than a sunless frame in the very same sky
// directions, the extra light is the flare.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "frame_analysis.h"
#include "scene_runs.h"

namespace frost::scene_test {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
// The flare builds up per frame, not per second, so a coarser grid only stretches it in time;
// the camera is replayed on the same grid, so every comparison is like with like.
constexpr double kStepMs = 40.0;
constexpr double kScanSpacing = 0.2;
// The rise from inside the globe looks up past the sun, but under the black fade-in.
constexpr double kFadeInEnds = 5.0;
// The flare goes as fast as it comes, in some forty frames: after two seconds (fifty frames)
// out of view nothing of it can be left.
constexpr double kDarkFor = 2.0;
// The halo is a soft sprite 1.5 window widths across on the sun: bright out to about a third
// of the width, gone at three quarters. The innermost tenth also holds the sun's own glow,
// which a sunless frame cannot have.
constexpr double kInnerFrom = 0.1;
constexpr double kInnerTo = 0.35;
constexpr double kOuterFrom = 0.55;
// Fewer shared sky pixels than this say too little either way.
constexpr long kEnoughPixels = 300;

long FrameOf(double seconds) {
  return std::lround(seconds * 1000.0 / kStepMs);
}
double SecondsOf(long frame) {
  return static_cast<double>(frame) * kStepMs / 1000.0;
}

bool SunInside(const FrameView& view) {
  PicturePoint p;
  return view.ProjectDirection(kSunOffset, p) && view.Inside(p);
}

// Whether the sun is inside the picture, for every frame of the grid up to `lastSecond`.
std::vector<bool> SunInViewByFrame(double lastSecond) {
  std::vector<double> seconds;
  for (long f = 0; f <= FrameOf(lastSecond); ++f) seconds.push_back(SecondsOf(f));
  std::vector<bool> inView;
  for (const Camera& camera : ReplayCameras(seconds, kStepMs)) {
    inView.push_back(SunInside(FrameView(camera, kWidth, kHeight)));
  }
  return inView;
}

struct Lift {
  double against = -1.0;  // the sunless frame compared with
  long innerPixels = 0;
  double inner = 0.0;  // mean lift of red and green near the sun, levels
  long outerPixels = 0;
  double outer = 0.0;  // the same far from the sun
  long allPixels = 0;
  double all = 0.0;  // the same over all shared sky
};

struct ScannedFrame {
  double seconds = 0.0;
  const Picture* picture = nullptr;
  std::optional<FrameView> view;
  std::vector<Region> regions;
  bool inView = false;
  bool dark = false;                // out of view now and for the last kDarkFor seconds
  std::optional<PicturePoint> sun;  // where it projects, maybe outside the picture
  Lift nearSun;                     // against the sunless frame sharing most sky near the sun
  Lift anywhere;                    // against the sunless frame sharing most sky
};

// How much brighter `a` is than `b` in the sky directions both show clear of the globe, by
// distance from `a`'s sun. Blue is left out: the clear sky's blue is already at 255.
Lift Compare(const ScannedFrame& a, const ScannedFrame& b) {
  Lift lift;
  lift.against = b.seconds;
  const int w = a.picture->Width();
  for (int y = 0; y < a.picture->Height(); ++y) {
    for (int x = 0; x < w; ++x) {
      if (a.regions[static_cast<std::size_t>(y) * w + x] != Region::kSky) continue;
      PicturePoint q;
      if (!b.view->ProjectDirection(a.view->DirectionAt(x, y), q) || !b.view->Inside(q)) continue;
      const int bx = static_cast<int>(q.x);
      const int by = static_cast<int>(q.y);
      if (b.regions[static_cast<std::size_t>(by) * b.picture->Width() + bx] != Region::kSky) {
        continue;
      }
      const Rgb p = a.picture->At(x, y);
      const Rgb s = b.picture->At(bx, by);
      const double d = ((p.r - s.r) + (p.g - s.g)) / 2.0;
      ++lift.allPixels;
      lift.all += d;
      if (!a.sun) continue;
      const double distance = std::hypot(x + 0.5 - a.sun->x, y + 0.5 - a.sun->y) / w;
      if (distance >= kInnerFrom && distance < kInnerTo) {
        ++lift.innerPixels;
        lift.inner += d;
      } else if (distance >= kOuterFrom) {
        ++lift.outerPixels;
        lift.outer += d;
      }
    }
  }
  if (lift.innerPixels > 0) lift.inner /= static_cast<double>(lift.innerPixels);
  if (lift.outerPixels > 0) lift.outer /= static_cast<double>(lift.outerPixels);
  if (lift.allPixels > 0) lift.all /= static_cast<double>(lift.allPixels);
  return lift;
}

class LensFlare : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The first stretch of the first minute, after the fade-in, with the sun in view for a
    // second or more.
    const std::vector<bool> inView = SunInViewByFrame(60.0);
    const long frames = static_cast<long>(inView.size());
    long start = -1;
    long end = -1;
    for (long f = FrameOf(kFadeInEnds), runStart = -1; f < frames && start < 0; ++f) {
      if (inView[f] && runStart < 0) runStart = f;
      if (runStart >= 0 && (!inView[f] || f + 1 == frames)) {
        const long runEnd = inView[f] ? f : f - 1;
        if (runEnd - runStart + 1 >= FrameOf(1.0)) {
          start = runStart;
          end = runEnd;
        }
        runStart = -1;
      }
    }
    if (start < 0) return;
    sunFrom_ = SecondsOf(start);
    sunTo_ = SecondsOf(end);

    // From well before the sun comes in to well after it has gone, in one run.
    CaptureRequest request{"flare-scan", kWidth, kHeight, kStepMs, true, {}, "", true};
    const double first = std::floor((sunFrom_ - kDarkFor - 0.6) / kScanSpacing) * kScanSpacing;
    const double last = std::ceil((sunTo_ + kDarkFor + 1.0) / kScanSpacing) * kScanSpacing;
    for (double t = std::max(first, kFadeInEnds); t <= last + 1e-9; t += kScanSpacing) {
      request.seconds.push_back(std::round(t * 1000.0) / 1000.0);
    }
    run_ = &Capture(request);
    if (!run_->Error().empty()) return;

    for (double t : request.seconds) {
      ScannedFrame frame;
      frame.seconds = t;
      frame.picture = &run_->Frame(t);
      if (frame.picture->Empty()) return;
      frame.view = run_->View(t);
      frame.regions = ClassifyPixels(*frame.view);
      frame.inView = SunInside(*frame.view);
      const long f = FrameOf(t);
      frame.dark = std::none_of(inView.begin() + std::max(0L, f - FrameOf(kDarkFor)),
                                inView.begin() + f + 1, [](bool v) { return v; });
      PicturePoint sun;
      if (frame.view->ProjectDirection(kSunOffset, sun)) frame.sun = sun;
      scanned_.push_back(std::move(frame));
    }
    for (ScannedFrame& frame : scanned_) {
      for (const ScannedFrame& other : scanned_) {
        if (!other.dark || &other == &frame) continue;
        const Lift lift = Compare(frame, other);
        if (lift.innerPixels > frame.nearSun.innerPixels) frame.nearSun = lift;
        if (lift.allPixels > frame.anywhere.allPixels) frame.anywhere = lift;
      }
    }
    ready_ = true;
  }

  void SetUp() override {
    ASSERT_NE(run_, nullptr) << "the camera never faces the sun for a second in the first minute";
    ASSERT_EQ(run_->Error(), "");
    ASSERT_TRUE(ready_) << "a scanned frame could not be read";
  }

  static inline CaptureRun* run_ = nullptr;
  static inline bool ready_ = false;
  static inline std::vector<ScannedFrame> scanned_;
  static inline double sunFrom_ = 0.0;
  static inline double sunTo_ = 0.0;
};

TEST_F(LensFlare, SunSpotIsWhiteWhereTheCameraSeesIt) {
  int checked = 0;
  for (const ScannedFrame& frame : scanned_) {
    if (!frame.inView) continue;
    const int cx = static_cast<int>(frame.sun->x);
    const int cy = static_cast<int>(frame.sun->y);
    int brightest = 0;
    for (int y = cy - 2; y <= cy + 2; ++y) {
      for (int x = cx - 2; x <= cx + 2; ++x) {
        if (!frame.picture->Contains(x, y)) continue;
        const Rgb p = frame.picture->At(x, y);
        brightest = std::max(brightest, p.r + p.g + p.b);
      }
    }
    // The flare starts only where the sun's spot reaches 700 of 765.
    EXPECT_GE(brightest, 700) << "at " << frame.seconds << " s the sun should be at ("
                              << frame.sun->x << ", " << frame.sun->y << ")";
    ++checked;
  }
  EXPECT_GE(checked, 4) << "the sun is in view from " << sunFrom_ << " to " << sunTo_ << " s";
}

TEST_F(LensFlare, HaloBuildsUpWhileTheSunIsInView) {
  std::vector<double> lifts;
  for (const ScannedFrame& frame : scanned_) {
    if (!frame.inView) continue;
    const Lift& lift = frame.nearSun;
    if (lift.innerPixels > 0) {
      std::printf("sun in view %6.2f s against %6.2f s: lift %5.1f over %ld px\n", frame.seconds,
                  lift.against, lift.inner, lift.innerPixels);
    }
    if (lift.innerPixels >= kEnoughPixels) lifts.push_back(lift.inner);
  }
  ASSERT_GE(lifts.size(), 4u) << "the sun is in view from " << sunFrom_ << " to " << sunTo_ << " s";
  // It fades in over some forty frames rather than appearing at once, and never dims while
  // the sun stays in view.
  for (std::size_t i = 1; i < lifts.size(); ++i) {
    EXPECT_GE(lifts[i], lifts[i - 1] - 2.0) << "frame " << i << " in view";
  }
  EXPECT_LT(lifts.front(), 0.5 * lifts.back());
  // A full halo adds some forty levels of red and green around the sun.
  EXPECT_GE(lifts.back(), 25.0);
}

TEST_F(LensFlare, HaloFadesOnceTheSunHasGone) {
  std::vector<double> lifts;
  bool seen = false;
  for (const ScannedFrame& frame : scanned_) {
    seen = seen || frame.inView;
    if (!seen || frame.inView || frame.dark) continue;
    const Lift& lift = frame.nearSun;
    if (lift.innerPixels > 0) {
      std::printf("sun gone    %6.2f s against %6.2f s: lift %5.1f over %ld px\n", frame.seconds,
                  lift.against, lift.inner, lift.innerPixels);
    }
    if (lift.innerPixels >= kEnoughPixels) lifts.push_back(lift.inner);
  }
  ASSERT_GE(lifts.size(), 2u);
  // Still there just after the sun has left, and only ever dimmer from then on.
  EXPECT_GE(lifts.front(), 15.0);
  for (std::size_t i = 1; i < lifts.size(); ++i) {
    EXPECT_LE(lifts[i], lifts[i - 1] + 2.0) << "frame " << i << " after the sun left";
  }
}

TEST_F(LensFlare, HaloIsCentredOnTheSun) {
  int judged = 0;
  for (const ScannedFrame& frame : scanned_) {
    const Lift& lift = frame.nearSun;
    if (frame.dark || lift.innerPixels < kEnoughPixels || lift.outerPixels < kEnoughPixels ||
        lift.inner < 15.0) {
      continue;
    }
    // Past half the window's width from the sun the soft halo has all but faded out.
    EXPECT_LT(lift.outer, 0.5 * lift.inner)
        << frame.seconds << " s: " << lift.outer << " far from the sun, " << lift.inner << " near";
    ++judged;
  }
  EXPECT_GE(judged, 1) << "no frame shows sky both near and far from a flaring sun";
}

TEST_F(LensFlare, NoFlareWhileTheSunIsAway) {
  int compared = 0;
  for (const ScannedFrame& frame : scanned_) {
    const Lift& lift = frame.anywhere;
    if (!frame.dark || lift.allPixels < 1000) continue;
    // Two sunless frames show the same sky alike: only the resampling of the sky textures and
    // the glow of a globe standing elsewhere differ, well under a level on average.
    EXPECT_NEAR(lift.all, 0.0, 3.0)
        << frame.seconds << " s against " << lift.against << " s over " << lift.allPixels << " px";
    ++compared;
  }
  EXPECT_GE(compared, 5);
}

}  // namespace
}  // namespace frost::scene_test
