// The process-wide state of a run, and how the core tells the user what went wrong.
#pragma once

#include <string>

#include "platform/platform.h"
#include "run/run_mode.h"

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

// A message for the person at the screen. Inside another program's window nobody can answer a
// box: a screen-saver daemon holds the keyboard and the pointer and its window covers the box,
// which would wait unseen and outlive the daemon's stop. There the message goes to standard
// error, for the daemon's log, and the answer is an unshown box's.
MessageAnswer TellUser(WindowHandle owner, const std::string& text, const char* caption,
                       MessageButtons buttons, MessageIcon icon);

}  // namespace frost
