// The globe dancing to the default music: with "Dance with Music" on, the beats of the kick,
// snare and hi-hat throw the globe about and it settles between them; with it off, it stays put
// (the mouse never moves in a capture).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "capture_run.h"

namespace frost::scene_test {
namespace {

// The first frames at full volume and a little more: 5 to 9 seconds.
CaptureRequest DanceRun(const char* name, bool dance) {
  return {name, 640, 480, 20.0, true, {5.0, 6.0, 7.0, 8.0, 9.0}, FROST_DEFAULT_MUSIC, dance};
}

double Length(const GlobeOffsetSample& s) {
  return std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z);
}

// Mean absolute difference per channel, over the whole frame, in 0 to 255.
double MeanDifference(const Picture& a, const Picture& b) {
  if (a.Empty() || a.Width() != b.Width() || a.Height() != b.Height()) return -1.0;
  double sum = 0.0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      const Rgb p = a.At(x, y);
      const Rgb q = b.At(x, y);
      sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
  }
  return sum / (3.0 * a.Width() * a.Height());
}

TEST(Dance, WithoutDanceTheGlobeStaysPut) {
  CaptureRun& still = Capture(DanceRun("dance-off", false));
  ASSERT_EQ(still.Error(), "");
  const auto offsets = still.Offsets();
  ASSERT_GE(offsets.size(), 450u);
  for (const GlobeOffsetSample& s : offsets) {
    ASSERT_EQ(Length(s), 0.0) << "at " << s.seconds << " s";
  }
}

TEST(Dance, GlobeIsThrownOnTheBeatAndSettlesBetween) {
  CaptureRun& dancing = Capture(DanceRun("dance-on", true));
  ASSERT_EQ(dancing.Error(), "");
  const auto offsets = dancing.Offsets();
  ASSERT_GE(offsets.size(), 450u);
  // A throw: the offset rises past 0.05 units (a full pulse reaches 0.18 along an axis) and
  // a beat's pulse has died to under a fifth of its peak a quarter of a second later.
  int throws = 0;
  bool high = false;
  double largest = 0.0;
  double smallest = 1.0;
  for (const GlobeOffsetSample& s : offsets) {
    if (s.seconds < 5.0) continue;  // the fade-in: the music is still quiet
    const double length = Length(s);
    largest = std::max(largest, length);
    smallest = std::min(smallest, length);
    if (!high && length > 0.05) {
      ++throws;
      high = true;
    } else if (high && length < 0.02) {
      high = false;
    }
  }
  std::printf("  5-9 s: %d throws, offset from %.4f to %.4f units\n", throws, smallest, largest);
  // Four seconds of music with a kick on every beat at a walking tempo.
  EXPECT_GE(throws, 4);
  EXPECT_LT(smallest, 0.02);  // it does settle between beats
  EXPECT_GT(largest, 0.08);

  // And the pictures show it: the same frames without the dance differ.
  CaptureRun& still = Capture(DanceRun("dance-off", false));
  ASSERT_EQ(still.Error(), "");
  int differing = 0;
  for (double t : {5.0, 6.0, 7.0, 8.0, 9.0}) {
    const double d = MeanDifference(dancing.Frame(t), still.Frame(t));
    ASSERT_GE(d, 0.0) << t;
    std::printf("  t = %.0f s: mean difference %.2f\n", t, d);
    if (d > 1.0) ++differing;
  }
  EXPECT_GE(differing, 4);
}

}  // namespace
}  // namespace frost::scene_test
