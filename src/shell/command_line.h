#pragma once

#include <string_view>

#include "platform/platform.h"
#include "shell/run_mode.h"

namespace frost {

// Which window the run mode belongs to. The desktop and the foreground window are only known
// to the OS, so the parser names them and the entry asks for the handle.
enum class ParentKind { None, Desktop, Foreground, Handle };

struct ParsedCommandLine {
  RunMode mode = RunMode::Configure;
  ParentKind parentKind = ParentKind::None;
  WindowHandle parent = 0;  // for ParentKind::Handle; 0 means no parent
};

// Reads the full command line the screen-saver machinery passes (program name first).
ParsedCommandLine ParseCommandLine(std::string_view line);

}  // namespace frost
