#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace frost {
namespace {

struct Case {
  const char* line;
  RunMode mode;
  ParentKind parentKind;
  WindowHandle parent;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << '"' << c.line << '"';
}

class CommandLineTest : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineTest, SelectsModeAndParent) {
  const Case& c = GetParam();
  const ParsedCommandLine parsed = ParseCommandLine(c.line);
  EXPECT_EQ(parsed.mode, c.mode);
  EXPECT_EQ(parsed.parentKind, c.parentKind);
  if (c.parentKind == ParentKind::Handle) {
    EXPECT_EQ(parsed.parent, c.parent);
  }
}

INSTANTIATE_TEST_SUITE_P(
    NoSwitch, CommandLineTest,
    ::testing::Values(Case{"", RunMode::Configure, ParentKind::None, 0},
                      Case{"frostmote.scr", RunMode::Configure, ParentKind::None, 0},
                      Case{"frostmote.scr   ", RunMode::Configure, ParentKind::None, 0},
                      Case{"\"C:\\Program Files\\frostmote.scr\"", RunMode::Configure,
                           ParentKind::None, 0},
                      // A quote that never closes swallows the whole line as the name.
                      Case{"\"frost /s", RunMode::Configure, ParentKind::None, 0}));

INSTANTIATE_TEST_SUITE_P(
    FullScreen, CommandLineTest,
    ::testing::Values(Case{"saver s", RunMode::FullScreen, ParentKind::Desktop, 0},
                      Case{"saver /s", RunMode::FullScreen, ParentKind::Desktop, 0},
                      Case{"saver -S", RunMode::FullScreen, ParentKind::Desktop, 0},
                      Case{"saver /S 1234 whatever", RunMode::FullScreen, ParentKind::Desktop, 0},
                      Case{"\"C:\\My Savers\\frost mote.scr\" /s", RunMode::FullScreen,
                           ParentKind::Desktop, 0},
                      Case{"saver \t /s", RunMode::FullScreen, ParentKind::Desktop, 0}));

INSTANTIATE_TEST_SUITE_P(
    Configure, CommandLineTest,
    ::testing::Values(Case{"saver /c", RunMode::Configure, ParentKind::Foreground, 0},
                      Case{"saver /c  ::  ", RunMode::Configure, ParentKind::Foreground, 0},
                      Case{"saver /c:1234", RunMode::Configure, ParentKind::Handle, 1234},
                      Case{"saver /c 1234", RunMode::Configure, ParentKind::Handle, 1234},
                      Case{"saver -C: 77x", RunMode::Configure, ParentKind::Handle, 77},
                      Case{"saver /c junk", RunMode::Configure, ParentKind::Handle, 0},
                      Case{"saver /x", RunMode::Configure, ParentKind::None, 0},
                      Case{"saver /?", RunMode::Configure, ParentKind::None, 0},
                      Case{"saver 1234", RunMode::Configure, ParentKind::None, 0},
                      Case{"saver /", RunMode::Configure, ParentKind::None, 0}));

INSTANTIATE_TEST_SUITE_P(
    Preview, CommandLineTest,
    ::testing::Values(Case{"saver /p 1234", RunMode::Preview, ParentKind::Handle, 1234},
                      Case{"saver /l 1234", RunMode::Preview, ParentKind::Handle, 1234},
                      Case{"saver -P:1234", RunMode::Preview, ParentKind::Handle, 1234},
                      Case{"saver /p scrprev", RunMode::Preview, ParentKind::None, 0},
                      Case{"saver /p ScrPrev", RunMode::Preview, ParentKind::None, 0},
                      Case{"saver /p SCRPREV", RunMode::Preview, ParentKind::None, 0},
                      // Only the three exact spellings are tokens; others are numbers (none).
                      Case{"saver /p sCrPrEv", RunMode::Preview, ParentKind::Handle, 0},
                      Case{"saver /p scrprev ", RunMode::Preview, ParentKind::Handle, 0},
                      Case{"saver /p", RunMode::Preview, ParentKind::Handle, 0}));

INSTANTIATE_TEST_SUITE_P(
    Password, CommandLineTest,
    ::testing::Values(Case{"saver /a 5678", RunMode::Password, ParentKind::Handle, 5678},
                      Case{"saver -A:5678", RunMode::Password, ParentKind::Handle, 5678},
                      Case{"saver /a", RunMode::Password, ParentKind::Handle, 0}));

// xscreensaver's options are whole words; "-r" and "/root" keep their Windows meaning (none).
INSTANTIATE_TEST_SUITE_P(
    Xscreensaver, CommandLineTest,
    ::testing::Values(
        Case{"frostmote -root", RunMode::Embedded, ParentKind::Desktop, 0},
        Case{"frostmote -window", RunMode::Embedded, ParentKind::None, 0},
        Case{"frostmote -window-id 1234", RunMode::Embedded, ParentKind::Handle, 1234},
        Case{"frostmote -window-id 0x2a00007", RunMode::Embedded, ParentKind::Handle, 0x2a00007},
        Case{"frostmote  -window-id   0X1F  -fps", RunMode::Embedded, ParentKind::Handle, 0x1f},
        Case{"frostmote -window-id", RunMode::Embedded, ParentKind::Handle, 0},
        Case{"frostmote -window-id 12ab", RunMode::Embedded, ParentKind::Handle, 0},
        // The daemon's two-dash spelling, and the settings panel's mixture of both.
        Case{"frostmote --root", RunMode::Embedded, ParentKind::Desktop, 0},
        Case{"frostmote -root --window-id 0x2a00007", RunMode::Embedded, ParentKind::Handle,
             0x2a00007},
        Case{"frostmote --window-id 77 -root", RunMode::Embedded, ParentKind::Handle, 77},
        Case{"frostmote --window", RunMode::Embedded, ParentKind::None, 0},
        Case{"frostmote ---root", RunMode::Configure, ParentKind::None, 0},
        Case{"frostmote -windowless", RunMode::Configure, ParentKind::None, 0},
        Case{"frostmote /root", RunMode::Configure, ParentKind::None, 0},
        Case{"frostmote -r", RunMode::Configure, ParentKind::None, 0}));

TEST(CommandLineXscreensaver, WindowIdsInDecimalOrHex) {
  EXPECT_EQ(ParseWindowId("4194311"), 4194311u);
  EXPECT_EQ(ParseWindowId(" 0x400007 "), 0x400007u);
  EXPECT_EQ(ParseWindowId("0xABCdef"), 0xabcdefu);
  for (const char* bad : {"", "0x", "-5", "+5", "12 34", "0x12g", "9e9", "ffff"}) {
    EXPECT_EQ(ParseWindowId(bad), 0u) << bad;
  }
  EXPECT_EQ(ParseWindowId("99999999999999999999999"), 0u);  // no window has such an id
}

TEST(CommandLineXscreensaver, TheVariableCountsForRootAndForABareLineOnly) {
  auto with = [](const char* line, const char* variable) {
    return ApplyXscreensaverWindow(ParseCommandLine(line), variable);
  };
  ParsedCommandLine root = with("frostmote -root", "0x600003");
  EXPECT_EQ(root.mode, RunMode::Embedded);
  EXPECT_EQ(root.parentKind, ParentKind::Handle);
  EXPECT_EQ(root.parent, 0x600003u);
  ParsedCommandLine bare = with("frostmote", "6291459");
  EXPECT_EQ(bare.mode, RunMode::Embedded);
  EXPECT_EQ(bare.parent, 6291459u);
  // Every other switch keeps its meaning, and so does -window-id.
  EXPECT_EQ(with("frostmote /s", "0x600003").mode, RunMode::FullScreen);
  EXPECT_EQ(with("frostmote /c", "0x600003").mode, RunMode::Configure);
  EXPECT_EQ(with("frostmote /p 77", "0x600003").parent, 77u);
  EXPECT_EQ(with("frostmote -window-id 5", "0x600003").parent, 5u);
  EXPECT_EQ(with("frostmote -window", "0x600003").parentKind, ParentKind::None);
  // Unset or not a number: as if it were not there.
  EXPECT_EQ(with("frostmote -root", "").parentKind, ParentKind::Desktop);
  EXPECT_EQ(with("frostmote", "root").mode, RunMode::Configure);
}

TEST(CommandLineNumbers, SignsAndOverflowDoNotMisbehave) {
  EXPECT_EQ(ParseCommandLine("s /c +42").parent, 42u);
  EXPECT_EQ(ParseCommandLine("s /c -1").parent, static_cast<WindowHandle>(-1));
  // Far more digits than any handle has: saturates instead of overflowing.
  const ParsedCommandLine huge = ParseCommandLine("s /p 99999999999999999999999999999");
  EXPECT_EQ(huge.mode, RunMode::Preview);
  EXPECT_NE(huge.parent, 0u);
}

}  // namespace
}  // namespace frost
