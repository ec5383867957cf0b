// The command line: which run mode, and which window it belongs to.
#pragma once

#include <string_view>

#include "platform/platform.h"
#include "run/run_mode.h"

namespace frost {

// Which window the run mode belongs to. The desktop and the foreground window are only known
// to the OS, so the parser names them and the entry asks for the handle.
enum class ParentKind { None, Desktop, Foreground, Handle };

struct ParsedCommandLine {
  RunMode mode = RunMode::Configure;
  ParentKind parentKind = ParentKind::None;
  WindowHandle parent = 0;    // for ParentKind::Handle; 0 means no parent
  bool hasArguments = false;  // anything after the program name
};

// Reads the full command line the screen-saver machinery passes (program name first).
// Besides the Windows switches it takes the options every xscreensaver hack takes, as whole
// words: "-root" (the scene in the root window, or in $XSCREENSAVER_WINDOW: see below),
// "-window" (in a window of its own) and "-window-id ID" (in window ID, decimal or 0x hex).
ParsedCommandLine ParseCommandLine(std::string_view line);

// xscreensaver names the window a hack is to draw in with XSCREENSAVER_WINDOW. It counts for
// "-root" and for a bare command line; every other switch keeps its meaning. An id that is not
// a number leaves the command line as it was.
ParsedCommandLine ApplyXscreensaverWindow(ParsedCommandLine parsed, std::string_view variable);

// "123", "0x7b" or "0X7B"; 0 for anything else (no window).
WindowHandle ParseWindowId(std::string_view text);

}  // namespace frost
