// The full-screen run's display-mode switch on X11 (XRandR), and its undoing.
#pragma once

#include "platform/sdl/layout_guard.h"
#include "platform/sdl/screen_layout.h"

struct _XDisplay;

namespace frost::linux_host {

// The display-mode switch of the full-screen run, made before any window exists so that the
// server's refusal is known while the windowed mode can still be offered. It changes the mode
// of the monitor SDL counts as display 0, with every output that mirrors it, grows or shrinks
// the screen around it, and puts back what it found. A guard process puts it back too, should
// the saver end without doing so.
class XrandrModeSwitch {
 public:
  XrandrModeSwitch() = default;
  XrandrModeSwitch(const XrandrModeSwitch&) = delete;
  XrandrModeSwitch& operator=(const XrandrModeSwitch&) = delete;
  ~XrandrModeSwitch() {
    Restore();
    Close();
  }

  // refreshRate 0 takes the first mode of that size. False when the monitor has no such mode or
  // the server refuses it; the screen is then as it was.
  bool Switch(int width, int height, int refreshRate);
  // Puts back the modes and screen size found by the first Switch, where nobody else changed
  // them meanwhile; true when nothing of the switch is left.
  bool Restore();
  // The top-left corner of the monitor the last Switch was for; false before any.
  bool MonitorOrigin(int& x, int& y) const;

 private:
  // Opens the connection the switch keeps, with RandR 1.2 or later; false without one.
  bool Connect();
  void Close();

  _XDisplay* display_ = nullptr;
  bool switched_ = false;
  bool originKnown_ = false;
  int originX_ = 0;
  int originY_ = 0;
  ScreenLayout saved_;    // what the first Switch found
  ScreenLayout applied_;  // what the last Switch left
  LayoutGuard guard_;
};

}  // namespace frost::linux_host
