#include "platform/sdl/xrandr_mode_switch.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cmath>

namespace frost::linux_host {
namespace {

int g_lastError = 0;

int RememberError(Display*, XErrorEvent* error) {
  g_lastError = error->error_code;
  return 0;
}

// Xlib's own handler ends the program on the first error; a refused request is an answer here.
class ErrorTrap {
 public:
  explicit ErrorTrap(Display* display) : display_(display) {
    XSync(display_, False);
    g_lastError = 0;
    previous_ = XSetErrorHandler(RememberError);
  }
  ~ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

  bool Failed() {
    XSync(display_, False);
    return g_lastError != 0;
  }

 private:
  Display* display_;
  XErrorHandler previous_ = nullptr;
};

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

// A quarter-turned monitor shows a mode's width as the screen's height.
void SizeOnScreen(const XRRModeInfo& mode, Rotation rotation, int& width, int& height) {
  const bool turned = (rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
  width = static_cast<int>(turned ? mode.height : mode.width);
  height = static_cast<int>(turned ? mode.width : mode.height);
}

// The monitor SDL lists as display 0: the primary output, else the first one that is lit.
RROutput DisplayZero(Display* display, const XRRScreenResources& resources) {
  const RROutput primary = XRRGetOutputPrimary(display, DefaultRootWindow(display));
  RROutput first = None;
  for (int i = 0; i < resources.noutput; ++i) {
    XRROutputInfo* info = XRRGetOutputInfo(display, const_cast<XRRScreenResources*>(&resources),
                                           resources.outputs[i]);
    if (info == nullptr) continue;
    const bool lit = info->connection == RR_Connected && info->crtc != None;
    XRRFreeOutputInfo(info);
    if (!lit) continue;
    if (resources.outputs[i] == primary) return primary;
    if (first == None) first = resources.outputs[i];
  }
  return first;
}

// Xlib keeps the screen's size as it was when the connection opened; the server's notes of each
// change since bring it up to date.
void TakeScreenChanges(Display* display) {
  XSync(display, False);
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    XRRUpdateConfiguration(&event);
  }
}

int ScaledMm(int pixels, int referencePixels, int referenceMm) {
  if (referencePixels <= 0 || referenceMm <= 0) return std::max(1, pixels * 254 / 960);
  return std::max(1,
                  static_cast<int>(static_cast<long long>(pixels) * referenceMm / referencePixels));
}

// Sets one monitor's mode and the screen's size together. The screen first grows to hold both
// the old and the new picture, then the monitor changes, then the screen takes its final size:
// no step leaves a monitor outside the screen, which the server would refuse.
bool Apply(Display* display, XRRScreenResources* resources, const MonitorLayout& layout) {
  const Window root = DefaultRootWindow(display);
  TakeScreenChanges(display);
  const int screen = DefaultScreen(display);
  const int width = DisplayWidth(display, screen);
  const int height = DisplayHeight(display, screen);
  const int widthMm = DisplayWidthMM(display, screen);
  const int heightMm = DisplayHeightMM(display, screen);
  const int roomWidth = std::max(width, layout.screenWidth);
  const int roomHeight = std::max(height, layout.screenHeight);

  XGrabServer(display);
  bool ok = true;
  bool grew = false;
  {
    ErrorTrap trap(display);
    if (roomWidth != width || roomHeight != height) {
      XRRSetScreenSize(display, root, roomWidth, roomHeight, ScaledMm(roomWidth, width, widthMm),
                       ScaledMm(roomHeight, height, heightMm));
      ok = !trap.Failed();
      grew = ok;
    }
    if (ok) {
      RROutput output = layout.output;
      const Status status = XRRSetCrtcConfig(display, resources, layout.crtc, CurrentTime, layout.x,
                                             layout.y, layout.mode, layout.rotation, &output, 1);
      ok = status == RRSetConfigSuccess && !trap.Failed();
    }
    if (ok && (layout.screenWidth != width || layout.screenHeight != height ||
               layout.screenWidthMm != widthMm || layout.screenHeightMm != heightMm)) {
      // A screen left larger than its monitors only costs panning room: not worth failing for.
      XRRSetScreenSize(display, root, layout.screenWidth, layout.screenHeight, layout.screenWidthMm,
                       layout.screenHeightMm);
      trap.Failed();
    } else if (!ok && grew) {
      XRRSetScreenSize(display, root, width, height, widthMm, heightMm);
      trap.Failed();
    }
  }
  XUngrabServer(display);
  XSync(display, False);
  return ok;
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
  Display* display = display_;
  TakeScreenChanges(display);

  const Window root = DefaultRootWindow(display);
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
  if (resources == nullptr) {
    if (!switched_) Close();
    return false;
  }
  bool ok = false;
  const RROutput output = DisplayZero(display, *resources);
  XRROutputInfo* outputInfo =
      output != None ? XRRGetOutputInfo(display, resources, output) : nullptr;
  XRRCrtcInfo* crtc = outputInfo != nullptr && outputInfo->crtc != None
                          ? XRRGetCrtcInfo(display, resources, outputInfo->crtc)
                          : nullptr;
  if (crtc != nullptr) {
    MonitorLayout layout;
    layout.crtc = outputInfo->crtc;
    layout.output = output;
    layout.x = crtc->x;
    layout.y = crtc->y;
    layout.rotation = crtc->rotation;
    int modeWidth = 0;
    int modeHeight = 0;
    for (int i = 0; i < outputInfo->nmode && layout.mode == None; ++i) {
      const XRRModeInfo* info = FindModeInfo(*resources, outputInfo->modes[i]);
      if (info == nullptr) continue;
      SizeOnScreen(*info, crtc->rotation, modeWidth, modeHeight);
      if (modeWidth != width || modeHeight != height) continue;
      if (refreshRate != 0 && RefreshOf(*info) != refreshRate) continue;
      layout.mode = info->id;
    }

    if (layout.mode != None && layout.mode == crtc->mode) {
      ok = true;  // already showing it: nothing to change, nothing to put back
    } else if (layout.mode != None) {
      // The screen keeps room for every other lit monitor.
      layout.screenWidth = crtc->x + width;
      layout.screenHeight = crtc->y + height;
      for (int i = 0; i < resources->ncrtc; ++i) {
        if (resources->crtcs[i] == layout.crtc) continue;
        XRRCrtcInfo* other = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (other == nullptr) continue;
        if (other->mode != None) {
          layout.screenWidth =
              std::max(layout.screenWidth, other->x + static_cast<int>(other->width));
          layout.screenHeight =
              std::max(layout.screenHeight, other->y + static_cast<int>(other->height));
        }
        XRRFreeCrtcInfo(other);
      }
      const int screen = DefaultScreen(display);
      MonitorLayout found = layout;
      found.mode = crtc->mode;
      found.screenWidth = DisplayWidth(display, screen);
      found.screenHeight = DisplayHeight(display, screen);
      found.screenWidthMm = DisplayWidthMM(display, screen);
      found.screenHeightMm = DisplayHeightMM(display, screen);
      layout.screenWidthMm = ScaledMm(layout.screenWidth, found.screenWidth, found.screenWidthMm);
      layout.screenHeightMm =
          ScaledMm(layout.screenHeight, found.screenHeight, found.screenHeightMm);

      ok = Apply(display, resources, layout);
      if (ok && !switched_) {
        saved_ = found;
        switched_ = true;
      }
    }
  }
  if (crtc != nullptr) XRRFreeCrtcInfo(crtc);
  if (outputInfo != nullptr) XRRFreeOutputInfo(outputInfo);
  XRRFreeScreenResources(resources);
  if (!switched_) Close();
  return ok;
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
  XRRScreenResources* resources =
      XRRGetScreenResourcesCurrent(display_, DefaultRootWindow(display_));
  if (resources == nullptr) return false;
  const bool ok = Apply(display_, resources, saved_);
  XRRFreeScreenResources(resources);
  if (ok) {
    switched_ = false;
    Close();
  }
  return ok;
}

}  // namespace frost::linux_host
