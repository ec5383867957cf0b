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
