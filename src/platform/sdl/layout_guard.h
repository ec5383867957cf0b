// The guard of a display-mode switch: a process of its own, started before the switch, that
// outlives the saver. It holds the layout to put back and puts it back when its socket from the
// saver closes with a switch still in force: however the saver ended, by Escape, a signal that
// cannot be caught, a crash or the loss of its X connection.
#pragma once

#include "platform/sdl/screen_layout.h"

namespace frost::linux_host {

class LayoutGuard {
 public:
  LayoutGuard() = default;
  LayoutGuard(const LayoutGuard&) = delete;
  LayoutGuard& operator=(const LayoutGuard&) = delete;
  // A guard left armed acts once this process is gone: the socket closes with it.
  ~LayoutGuard();

  // Starts the guard unless it runs; false when no process can be started.
  bool Start();
  // From now on the guard would put back `saved` where the monitors still show `applied`.
  void Expect(const ScreenLayout& saved, const ScreenLayout& applied);
  // Nothing is left to put back: the guard ends.
  void Stop();

 private:
  int socket_ = -1;
};

}  // namespace frost::linux_host
