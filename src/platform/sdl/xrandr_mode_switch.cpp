#include "platform/sdl/xrandr_mode_switch.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cmath>

namespace frost::linux_host {
namespace {

// Rounded as SDL rounds it, so that the rate the saver stored names the same mode here.
int RefreshOf(const XRRModeInfo& mode) {
  if (mode.hTotal == 0 || mode.vTotal == 0) return 0;
  return static_cast<int>(
      std::lround(static_cast<double>(mode.dotClock) /
                  (static_cast<double>(mode.hTotal) * static_cast<double>(mode.vTotal))));
}

const XRRModeInfo* FindModeInfo(const XRRScreenResources& resources, RRMode id) {
  for (int i = 0; i < resources.nmode; ++i) {
    if (resources.modes[i].id == id) return &resources.modes[i];
  }
  return nullptr;
}

bool OutputOffers(Display* display, XRRScreenResources* resources, RROutput output, RRMode mode) {
  XRROutputInfo* info = XRRGetOutputInfo(display, resources, output);
  if (info == nullptr) return false;
  const bool offered =
      std::find(info->modes, info->modes + info->nmode, mode) != info->modes + info->nmode;
  XRRFreeOutputInfo(info);
  return offered;
}

// Gives a monitor the mode of that size on the screen (a quarter-turned monitor shows a mode's
// width as its height) that all its outputs offer; false when they share none.
bool TakeMode(Display* display, XRRScreenResources* resources, CrtcLayout& crtc, int width,
              int height, int refreshRate) {
  const bool turned = (crtc.rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
  XRROutputInfo* first = XRRGetOutputInfo(display, resources, crtc.outputs[0]);
  if (first == nullptr) return false;
  bool found = false;
  for (int i = 0; i < first->nmode && !found; ++i) {
    const XRRModeInfo* info = FindModeInfo(*resources, first->modes[i]);
    if (info == nullptr) continue;
    const int modeWidth = static_cast<int>(turned ? info->height : info->width);
    const int modeHeight = static_cast<int>(turned ? info->width : info->height);
    if (modeWidth != width || modeHeight != height) continue;
    if (refreshRate != 0 && RefreshOf(*info) != refreshRate) continue;
    found = true;
    for (int k = 1; k < crtc.outputCount && found; ++k) {
      found = OutputOffers(display, resources, crtc.outputs[k], info->id);
    }
    if (found) {
      crtc.mode = info->id;
      crtc.width = width;
      crtc.height = height;
    }
  }
  XRRFreeOutputInfo(first);
  return found;
}

}  // namespace

bool XrandrModeSwitch::Switch(int width, int height, int refreshRate) {
  if (width <= 0 || height <= 0) return false;
  if (display_ == nullptr) {
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
  }
  ScreenLayout now;
  const int zero = ReadScreenLayout(display_, now) ? DisplayZeroIndex(display_, now) : -1;
  XRRScreenResources* resources =
      zero >= 0 ? XRRGetScreenResourcesCurrent(display_, DefaultRootWindow(display_)) : nullptr;
  if (resources == nullptr) {
    if (!switched_) Close();
    return false;
  }
  const CrtcLayout monitor = now.crtcs[zero];
  originKnown_ = true;
  originX_ = monitor.x;
  originY_ = monitor.y;

  // The monitor and every one that mirrors it (the same part of the screen) take the mode.
  ScreenLayout target = now;
  bool ok = TakeMode(display_, resources, target.crtcs[zero], width, height, refreshRate);
  for (int i = 0; i < target.crtcCount && ok; ++i) {
    CrtcLayout& other = target.crtcs[i];
    if (i == zero || other.x != monitor.x || other.y != monitor.y || other.width != monitor.width ||
        other.height != monitor.height) {
      continue;
    }
    TakeMode(display_, resources, other, width, height, refreshRate);
  }
  XRRFreeScreenResources(resources);

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
