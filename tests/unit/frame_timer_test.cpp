#include "run/frame_timer.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace frost {
namespace {

using testing::ScopedFakePlatform;

TEST(FrameTimer, HighResolutionCountsMilliseconds) {
  ScopedFakePlatform os;
  os->frequency = 3579545;  // an odd frequency: seconds per count is not exact in a float
  os->counter = 1000;
  FrameTimer timer;
  EXPECT_TRUE(timer.HighResolution());
  EXPECT_DOUBLE_EQ(timer.ElapsedMs(), 0.0);
  os->counter += 3579545 / 2;
  EXPECT_NEAR(timer.ElapsedMs(), 500.0, 0.01);
}

TEST(FrameTimer, FallsBackToMillisecondTimerAcrossWrap) {
  ScopedFakePlatform os;
  os->hasPerformanceCounter = false;
  os->milliseconds = 0xFFFFFFF0u;
  FrameTimer timer;
  EXPECT_FALSE(timer.HighResolution());
  os->milliseconds = 0x10;  // wrapped: 0x20 ms later
  EXPECT_NEAR(timer.ElapsedMs(), 32.0, 1e-4);
  timer.Reset();
  EXPECT_DOUBLE_EQ(timer.ElapsedMs(), 0.0);
  os->milliseconds += 7;
  EXPECT_NEAR(timer.ElapsedMs(), 7.0, 1e-5);
}

TEST(FrameTimer, MarksMeasureTimeBetweenFramesAndSurviveReset) {
  ScopedFakePlatform os;
  os->frequency = 1000;
  FrameTimer timer;
  os->counter = 100;
  EXPECT_NEAR(timer.SinceMark(), 100.0, 1e-3);  // before any mark: the elapsed time
  timer.Mark();
  os->counter = 130;
  EXPECT_NEAR(timer.SinceMark(), 30.0, 1e-3);
  timer.Mark();
  os->counter = 150;
  EXPECT_NEAR(timer.SinceMark(), 20.0, 1e-3);

  // Reset restarts the elapsed time but keeps the mark at 130 ms: negative until next Mark.
  timer.Reset();
  os->counter = 160;
  EXPECT_NEAR(timer.SinceMark(), 10.0 - 130.0, 1e-3);
  timer.Mark();
  EXPECT_NEAR(timer.SinceMark(), 0.0, 1e-9);
}

TEST(FrameTimer, CopiesKeepTheirBase) {
  ScopedFakePlatform os;
  os->frequency = 1000;
  FrameTimer timer;
  os->counter = 40;
  FrameTimer copy = timer;
  timer.Reset();
  os->counter = 50;
  EXPECT_NEAR(copy.ElapsedMs(), 50.0, 1e-3);
  EXPECT_NEAR(timer.ElapsedMs(), 10.0, 1e-3);
}

}  // namespace
}  // namespace frost
