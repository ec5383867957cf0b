// The globe dancing to the default music: with "Dance with Music" on it moves with the beat;
// with it off, the music changes nothing in the picture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "capture_run.h"
#include "scene_runs.h"

namespace frost::scene_test {
namespace {

std::vector<double> DanceTimes() {
  std::vector<double> times;
  for (int i = 0; i <= 20; ++i) times.push_back(6.0 + 0.1 * i);
  return times;
}

CaptureRequest DanceRun(const char* name, bool dance) {
  return {name, 640, 480, 20.0, true, DanceTimes(), FROST_DEFAULT_MUSIC, dance};
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

TEST(Dance, MusicWithoutDanceLeavesThePictureAlone) {
  CaptureRun& still = Capture(DanceRun("dance-off", false));
  ASSERT_EQ(still.Error(), "");
  CaptureRun& silent = Capture(OpeningRun());
  ASSERT_EQ(silent.Error(), "");
  // The opening run has no music at all; these frames must match it byte for byte.
  EXPECT_EQ(FileBytes(still.FramePath(6.0)), FileBytes(silent.FramePath(6.0)));
  EXPECT_EQ(FileBytes(still.FramePath(8.0)), FileBytes(silent.FramePath(8.0)));
}

TEST(Dance, GlobeMovesOnTheBeat) {
  CaptureRun& dancing = Capture(DanceRun("dance-on", true));
  ASSERT_EQ(dancing.Error(), "");
  CaptureRun& still = Capture(DanceRun("dance-off", false));
  ASSERT_EQ(still.Error(), "");
  // The camera, the snow's random numbers and the sky are the same in both runs; only the
  // globe, its shadow and the snow it shakes differ. A beat throws the globe by up to 0.18
  // units, which moves a large part of the picture.
  int moved = 0;
  double largest = 0.0;
  std::vector<double> differences;
  for (double t : DanceTimes()) {
    const double d = MeanDifference(dancing.Frame(t), still.Frame(t));
    ASSERT_GE(d, 0.0) << t;
    differences.push_back(d);
    largest = std::max(largest, d);
    if (d > 1.0) ++moved;
  }
  for (std::size_t i = 0; i < differences.size(); ++i) {
    std::printf("  t = %.1f s: mean difference %.2f\n", DanceTimes()[i], differences[i]);
  }
  // Two seconds of music at a walking tempo hold several beats: most frames show the globe
  // away from where it rests, and the offset changes from frame to frame.
  EXPECT_GE(moved, 10);
  EXPECT_GT(largest, 3.0);
  int changes = 0;
  for (std::size_t i = 1; i < differences.size(); ++i) {
    if (std::abs(differences[i] - differences[i - 1]) > 0.5) ++changes;
  }
  EXPECT_GE(changes, 5);
}

}  // namespace
}  // namespace frost::scene_test
