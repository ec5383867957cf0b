#pragma once

struct _XDisplay;

namespace frost::linux_host {

// One monitor's mode and place, and the screen's size around it (X ids as Xlib's XID).
struct MonitorLayout {
  unsigned long crtc = 0;
  unsigned long output = 0;
  unsigned long mode = 0;
  int x = 0;
  int y = 0;
  unsigned short rotation = 1;
  int screenWidth = 0;
  int screenHeight = 0;
  int screenWidthMm = 0;
  int screenHeightMm = 0;
};

// The display-mode switch of the full-screen run, made before any window exists so that the
// server's refusal is known while the windowed mode can still be offered. It changes the mode
// of the monitor SDL counts as display 0, grows or shrinks the screen around it, and puts back
// exactly what it found.
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
  // Puts back the mode and screen size found by the first Switch; true when nothing is left
  // changed.
  bool Restore();

 private:
  void Close();

  _XDisplay* display_ = nullptr;
  bool switched_ = false;
  MonitorLayout saved_;  // what the first Switch found
};

}  // namespace frost::linux_host
