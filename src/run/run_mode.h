// The run modes the command line chooses between.
#pragma once

namespace frost {

// Values are fixed: the window procedure and the dialogs compare against them.
// Embedded is the whole scene inside a window someone else owns (xscreensaver's way).
enum class RunMode : int { Configure = 0, Preview = 1, FullScreen = 2, Password = 3, Embedded = 4 };

// The modes that run the animated scene.
inline bool RunsScene(RunMode mode) {
  return mode == RunMode::FullScreen || mode == RunMode::Embedded;
}

}  // namespace frost
