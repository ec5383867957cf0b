#pragma once

#include "platform/platform.h"
#include "shell/run_mode.h"

namespace frost {

// The process-wide run state: set by the entry, read by the window procedure and the loop.
struct RunState {
  RunMode mode = RunMode::Configure;
  WindowHandle parent = 0;        // dialog or preview parent, password owner, message owner
  InstanceHandle instance = 0;    // module instance handle
  bool quit = false;              // once set, never cleared
  bool musicStartPending = true;  // cleared on the first idle pass of a full-screen run
};

extern RunState g_run;

}  // namespace frost
