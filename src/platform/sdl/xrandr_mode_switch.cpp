#include "platform/sdl/xrandr_mode_switch.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include "platform/sdl/x_screen_layout.h"

namespace frost::linux_host {
bool XrandrModeSwitch::Switch(int width, int height, int refreshRate) {
  if (width <= 0 || height <= 0) return false;
  if (!Connect()) return false;
  ScreenLayout now;
  const int zero = ReadScreenLayout(display_, now) ? DisplayZeroIndex(display_, now) : -1;
  if (zero < 0) {
    if (!switched_) Close();
    return false;
  }
  const CrtcLayout monitor = now.crtcs[zero];
  originKnown_ = true;
  originX_ = monitor.x;
  originY_ = monitor.y;

  // The monitor and every one that mirrors it (the same part of the screen) take the mode.
  ScreenLayout target = now;
  bool ok =
      TakeMode(target.crtcs[zero], ReadModeOffers(display_, monitor), width, height, refreshRate);
  for (int i = 0; i < target.crtcCount && ok; ++i) {
    CrtcLayout& other = target.crtcs[i];
    if (i == zero || other.x != monitor.x || other.y != monitor.y || other.width != monitor.width ||
        other.height != monitor.height) {
      continue;
    }
    TakeMode(other, ReadModeOffers(display_, other), width, height, refreshRate);
  }

  if (ok && !target.crtcs[zero].SameAs(monitor)) {
    FitScreenAround(target, now);
    // The guard knows before the server changes anything.
    const bool guarded = switched_ || guard_.Start();
    if (guarded) guard_.Expect(switched_ ? saved_ : now, target);
    ok = ApplyScreenLayout(display_, target);
    if (ok && !switched_) {
      saved_ = now;
      switched_ = true;
    }
    if (ok) ReadScreenLayout(display_, applied_);
    if (switched_) {
      guard_.Expect(saved_, applied_);
    } else {
      guard_.Stop();
    }
  }
  if (!switched_) Close();
  return ok;
}

bool XrandrModeSwitch::Connect() {
  if (display_ != nullptr) return true;
  // A connection of our own, kept until the mode is back: its idea of the screen's size is
  // right from the start and follows every change.
  display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) return false;
  int eventBase = 0;
  int errorBase = 0;
  int major = 0;
  int minor = 0;
  if (!XRRQueryExtension(display_, &eventBase, &errorBase) ||
      !XRRQueryVersion(display_, &major, &minor) || major * 100 + minor < 102) {
    Close();
    return false;
  }
  XRRSelectInput(display_, DefaultRootWindow(display_), RRScreenChangeNotifyMask);
  return true;
}

bool XrandrModeSwitch::MonitorOrigin(int& x, int& y) const {
  if (!originKnown_) return false;
  x = originX_;
  y = originY_;
  return true;
}

void XrandrModeSwitch::Close() {
  if (display_ != nullptr) XCloseDisplay(display_);
  display_ = nullptr;
}

bool XrandrModeSwitch::Restore() {
  if (!switched_) {
    Close();
    return true;
  }
  if (!PutBackScreenLayout(display_, saved_, applied_)) return false;
  switched_ = false;
  guard_.Stop();
  Close();
  return true;
}

}  // namespace frost::linux_host
