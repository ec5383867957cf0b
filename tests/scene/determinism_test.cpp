// The capture tool's promise: a frame depends only on its time and the grid, never on the run
// or on which other times were asked for. The other scene tests lean on it.
#include <gtest/gtest.h>

#include "frame_analysis.h"
#include "scene_runs.h"

namespace frost::scene_test {
namespace {

TEST(CaptureDeterminism, SameRequestGivesSameBytes) {
  CaptureRun& first = Capture(LoneFrameRun("lone-first"));
  CaptureRun& second = Capture(LoneFrameRun("lone-second"));
  ASSERT_EQ(first.Error(), "");
  ASSERT_EQ(second.Error(), "");
  // A black or empty frame would match trivially.
  const Picture& frame = first.Frame(6.0);
  ASSERT_FALSE(frame.Empty());
  ASSERT_GT(MeanLuma(frame), 60.0);
  const auto bytes = FileBytes(first.FramePath(6.0));
  EXPECT_TRUE(bytes == FileBytes(second.FramePath(6.0)))
      << first.FramePath(6.0) << " and " << second.FramePath(6.0) << " differ";
}

TEST(CaptureDeterminism, TimeAloneMatchesTimeAmongOthers) {
  CaptureRun& alone = Capture(LoneFrameRun("lone-first"));
  CaptureRun& among = Capture(OpeningRun());
  ASSERT_EQ(alone.Error(), "");
  ASSERT_EQ(among.Error(), "");
  const auto bytes = FileBytes(alone.FramePath(6.0));
  ASSERT_FALSE(bytes.empty());
  EXPECT_TRUE(bytes == FileBytes(among.FramePath(6.0)))
      << alone.FramePath(6.0) << " and " << among.FramePath(6.0) << " differ";
}

}  // namespace
}  // namespace frost::scene_test
