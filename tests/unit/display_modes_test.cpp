#include "settings/display_modes.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace frost {
namespace {

using testing::ScopedFakePlatform;

DisplayModeRecord Mode(std::uint32_t w, std::uint32_t h, std::uint32_t bits, std::uint32_t hz) {
  return {w, h, bits, hz};
}

TEST(DisplayModeFilter, AdmitsOnlyFourByThreeAndFiveByFourTrueColourModes) {
  EXPECT_TRUE(DisplayModeList::Qualifies(Mode(1280, 1024, 32, 60)));  // 5:4
  EXPECT_TRUE(DisplayModeList::Qualifies(Mode(1024, 768, 24, 85)));   // 4:3
  EXPECT_TRUE(DisplayModeList::Qualifies(Mode(640, 480, 32, 60)));
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(1280, 800, 32, 60)));   // 16:10
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(1920, 1080, 32, 60)));  // 16:9
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(1024, 768, 16, 60)));
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(640, 480, 32, 59)));
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(1024, 768, 32, 0)));  // hardware default
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(1024, 768, 32, 1)));
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(512, 384, 32, 60)));  // 4:3 but too small
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(1024, 0, 32, 60)));
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(0, 0, 32, 60)));
}

TEST(DisplayModeFilter, RatioBoundsAreTheSinglePrecisionConstants) {
  // 1240/1000 = 1.24 exactly, below the float 1.2400000095: out. 1.2400001 is above: in.
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(1240, 1000, 32, 60)));
  EXPECT_TRUE(DisplayModeList::Qualifies(Mode(12400001, 10000000, 32, 60)));
  // 1.34 exactly is below the float 1.3400000334: in; 1.3400001 is out.
  EXPECT_TRUE(DisplayModeList::Qualifies(Mode(1340, 1000, 32, 60)));
  EXPECT_FALSE(DisplayModeList::Qualifies(Mode(13400001, 10000000, 32, 60)));
}

TEST(DisplayModeList, KeepsEnumerationOrderAndDuplicates) {
  ScopedFakePlatform os;
  os->displayModes = {Mode(1920, 1080, 32, 60), Mode(1024, 768, 32, 85),  Mode(800, 600, 16, 60),
                      Mode(1024, 768, 32, 60),  Mode(1280, 1024, 32, 60), Mode(1024, 768, 32, 85)};
  DisplayModeList list;
  list.Enumerate();
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.EntryText(0), "1024 x 768 @ 32 - 85 Hertz");
  EXPECT_EQ(list.EntryText(1), "1024 x 768 @ 32 - 60 Hertz");
  EXPECT_EQ(list.EntryText(2), "1280 x 1024 @ 32 - 60 Hertz");
  EXPECT_EQ(list.EntryText(3), "1024 x 768 @ 32 - 85 Hertz");
  const std::array<float, 4> mode = GetDisplayMode(2);
  EXPECT_EQ(mode, (std::array<float, 4>{1280.0f, 1024.0f, 32.0f, 60.0f}));
  EXPECT_EQ(GetDisplayMode(4), (std::array<float, 4>{-1.0f, -1.0f, -1.0f, -1.0f}));
}

TEST(DisplayModeList, EmptyListGivesMinusOneForEveryValue) {
  ScopedFakePlatform os;
  os->displayModes = {Mode(1024, 768, 24, 0)};  // what a virtual X server reports
  EXPECT_EQ(GetDisplayMode(0), (std::array<float, 4>{-1.0f, -1.0f, -1.0f, -1.0f}));
  EXPECT_EQ(GetDisplayMode(255), (std::array<float, 4>{-1.0f, -1.0f, -1.0f, -1.0f}));
}

TEST(DisplayModeList, LooksAtNoMoreThan512Modes) {
  ScopedFakePlatform os;
  os->displayModes.assign(600, Mode(800, 600, 16, 60));
  os->displayModes[511] = Mode(800, 600, 32, 60);
  os->displayModes[512] = Mode(1024, 768, 32, 60);
  DisplayModeList list;
  list.Enumerate();
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Mode(0).width, 800u);
}

}  // namespace
}  // namespace frost
