// The full-screen switch's arithmetic: which mode a monitor takes, and the screen around it.
#include "platform/sdl/screen_layout.h"

#include <gtest/gtest.h>

namespace frost::linux_host {
namespace {

// Crtc 7, showing mode 70 at (x, y).
CrtcLayout Monitor(int x, int y, int width, int height, std::uint16_t rotation = 1) {
  return CrtcLayout{7, 70, x, y, width, height, rotation};
}

TEST(ScreenLayout, ModeMatchesSizeAsShownRateAndEveryOutput) {
  const std::vector<ModeOffer> offers = {{1, 800, 600, 75, true},
                                         {2, 800, 600, 60, false},
                                         {3, 800, 600, 60, true},
                                         {4, 600, 800, 60, true}};
  CrtcLayout upright = Monitor(0, 0, 1024, 768);
  ASSERT_TRUE(TakeMode(upright, offers, 800, 600, 60));
  EXPECT_EQ(upright.mode, 3u) << "mode 2 is not offered by the clone";
  EXPECT_EQ(upright.width, 800);
  ASSERT_TRUE(TakeMode(upright, offers, 800, 600, 0));
  EXPECT_EQ(upright.mode, 1u) << "any rate: the first offer";

  // A quarter-turned monitor shows a mode's width as its height.
  CrtcLayout turned = Monitor(0, 0, 768, 1024, kRotate90);
  ASSERT_TRUE(TakeMode(turned, offers, 600, 800, 60));
  EXPECT_EQ(turned.mode, 3u);
  EXPECT_EQ(turned.width, 600);
  EXPECT_EQ(turned.height, 800);

  CrtcLayout missing = Monitor(0, 0, 1024, 768);
  EXPECT_FALSE(TakeMode(missing, offers, 640, 480, 0));
  EXPECT_TRUE(missing.SameAs(Monitor(0, 0, 1024, 768)));
}

TEST(ScreenLayout, ScreenHoldsEveryMonitorInItsOldProportionOfMillimetres) {
  ScreenLayout before;
  before.width = 2048;
  before.height = 768;
  before.widthMm = 542;
  before.heightMm = 203;
  ScreenLayout layout = before;
  layout.crtcCount = 2;
  layout.crtcs[0] = Monitor(0, 0, 1024, 768);
  layout.crtcs[1] = Monitor(1024, 0, 800, 600);  // the switched one, right of the other
  FitScreenAround(layout, before);
  EXPECT_EQ(layout.width, 1824);
  EXPECT_EQ(layout.height, 768);
  EXPECT_EQ(layout.widthMm, 1824 * 542 / 2048);
  EXPECT_EQ(layout.heightMm, 203);

  // A screen that never said its size in millimetres gets 96 dots an inch.
  before.widthMm = before.heightMm = 0;
  FitScreenAround(layout, before);
  EXPECT_EQ(layout.widthMm, 1824 * 254 / 960);
  EXPECT_EQ(layout.heightMm, 768 * 254 / 960);
}

}  // namespace
}  // namespace frost::linux_host
