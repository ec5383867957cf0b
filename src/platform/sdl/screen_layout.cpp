#include "platform/sdl/screen_layout.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

#include "platform/sdl/x_error_trap.h"

namespace frost::linux_host {
namespace {

int ScaledMm(int pixels, int referencePixels, int referenceMm) {
  if (referencePixels <= 0 || referenceMm <= 0) return std::max(1, pixels * 254 / 960);
  return std::max(1,
                  static_cast<int>(static_cast<long long>(pixels) * referenceMm / referencePixels));
}

// Xlib keeps the screen's size as it was when the connection opened; the server's notes of
// each change since bring it up to date.
void TakeScreenChanges(Display* display) {
  XSync(display, False);
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    XRRUpdateConfiguration(&event);
  }
}

bool SetScreenSize(Display* display, int width, int height, int widthMm, int heightMm) {
  XErrorTrap trap(display);
  XRRSetScreenSize(display, DefaultRootWindow(display), width, height, widthMm, heightMm);
  return !trap.Failed();
}

bool SetCrtc(Display* display, XRRScreenResources* resources, const CrtcLayout& crtc) {
  XErrorTrap trap(display);
  RROutput outputs[CrtcLayout::kMaxOutputs];
  for (int i = 0; i < crtc.outputCount; ++i) outputs[i] = crtc.outputs[i];
  const Status status = XRRSetCrtcConfig(display, resources, crtc.crtc, CurrentTime, crtc.x, crtc.y,
                                         crtc.mode, crtc.rotation, outputs, crtc.outputCount);
  return status == RRSetConfigSuccess && !trap.Failed();
}

}  // namespace

bool CrtcLayout::SameAs(const CrtcLayout& other) const {
  return crtc == other.crtc && mode == other.mode && x == other.x && y == other.y &&
         rotation == other.rotation && outputCount == other.outputCount &&
         std::equal(outputs, outputs + outputCount, other.outputs);
}

const CrtcLayout* ScreenLayout::Find(std::uint64_t crtc) const {
  for (int i = 0; i < crtcCount; ++i) {
    if (crtcs[i].crtc == crtc) return &crtcs[i];
  }
  return nullptr;
}

void FitScreenAround(ScreenLayout& layout, const ScreenLayout& before) {
  layout.width = 0;
  layout.height = 0;
  for (int i = 0; i < layout.crtcCount; ++i) {
    layout.width = std::max(layout.width, layout.crtcs[i].x + layout.crtcs[i].width);
    layout.height = std::max(layout.height, layout.crtcs[i].y + layout.crtcs[i].height);
  }
  layout.widthMm = ScaledMm(layout.width, before.width, before.widthMm);
  layout.heightMm = ScaledMm(layout.height, before.height, before.heightMm);
}

bool ReadScreenLayout(Display* display, ScreenLayout& layout) {
  TakeScreenChanges(display);
  const int screen = DefaultScreen(display);
  layout = ScreenLayout{};
  layout.width = DisplayWidth(display, screen);
  layout.height = DisplayHeight(display, screen);
  layout.widthMm = DisplayWidthMM(display, screen);
  layout.heightMm = DisplayHeightMM(display, screen);
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
  if (resources == nullptr) return false;
  bool ok = true;
  for (int i = 0; i < resources->ncrtc && ok; ++i) {
    XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
    if (info == nullptr) continue;
    if (info->mode != None) {
      ok = layout.crtcCount < ScreenLayout::kMaxCrtcs && info->noutput <= CrtcLayout::kMaxOutputs;
      if (ok) {
        CrtcLayout& crtc = layout.crtcs[layout.crtcCount++];
        crtc.crtc = resources->crtcs[i];
        crtc.mode = info->mode;
        crtc.x = info->x;
        crtc.y = info->y;
        crtc.width = static_cast<std::int32_t>(info->width);
        crtc.height = static_cast<std::int32_t>(info->height);
        crtc.rotation = info->rotation;
        crtc.outputCount = info->noutput;
        std::copy(info->outputs, info->outputs + info->noutput, crtc.outputs);
      }
    }
    XRRFreeCrtcInfo(info);
  }
  XRRFreeScreenResources(resources);
  return ok;
}

int DisplayZeroIndex(Display* display, const ScreenLayout& layout) {
  const RROutput primary = XRRGetOutputPrimary(display, DefaultRootWindow(display));
  for (int i = 0; i < layout.crtcCount; ++i) {
    const CrtcLayout& crtc = layout.crtcs[i];
    if (std::find(crtc.outputs, crtc.outputs + crtc.outputCount, primary) !=
        crtc.outputs + crtc.outputCount) {
      return i;
    }
  }
  return layout.crtcCount > 0 ? 0 : -1;
}

bool ApplyScreenLayout(Display* display, const ScreenLayout& to) {
  ScreenLayout now;
  if (!ReadScreenLayout(display, now)) return false;
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
  if (resources == nullptr) return false;
  const int roomWidth = std::max(now.width, to.width);
  const int roomHeight = std::max(now.height, to.height);

  XGrabServer(display);
  bool ok = true;
  const bool grow = roomWidth != now.width || roomHeight != now.height;
  if (grow) {
    ok = SetScreenSize(display, roomWidth, roomHeight, ScaledMm(roomWidth, now.width, now.widthMm),
                       ScaledMm(roomHeight, now.height, now.heightMm));
  }
  // Each changed monitor, remembering what it showed so that a refusal can undo the others.
  int changed = 0;
  CrtcLayout undo[ScreenLayout::kMaxCrtcs];
  for (int i = 0; i < to.crtcCount && ok; ++i) {
    const CrtcLayout* current = now.Find(to.crtcs[i].crtc);
    if (current == nullptr || current->SameAs(to.crtcs[i])) continue;
    ok = SetCrtc(display, resources, to.crtcs[i]);
    if (ok) undo[changed++] = *current;
  }
  if (ok) {
    if (to.width != roomWidth || to.height != roomHeight || to.widthMm != now.widthMm ||
        to.heightMm != now.heightMm) {
      // A screen left larger than its monitors only costs panning room: not worth failing for.
      SetScreenSize(display, to.width, to.height, to.widthMm, to.heightMm);
    }
  } else {
    while (changed > 0) SetCrtc(display, resources, undo[--changed]);
    if (grow) SetScreenSize(display, now.width, now.height, now.widthMm, now.heightMm);
  }
  XUngrabServer(display);
  XSync(display, False);
  XRRFreeScreenResources(resources);
  return ok;
}

bool PutBackScreenLayout(Display* display, const ScreenLayout& saved, const ScreenLayout& applied) {
  ScreenLayout now;
  if (!ReadScreenLayout(display, now)) return false;
  ScreenLayout target = now;
  bool ours = false;  // whether anything still shows what the switch left
  for (int i = 0; i < target.crtcCount; ++i) {
    const CrtcLayout* left = applied.Find(target.crtcs[i].crtc);
    const CrtcLayout* before = saved.Find(target.crtcs[i].crtc);
    if (left == nullptr || before == nullptr || !left->SameAs(target.crtcs[i])) continue;
    if (!before->SameAs(*left)) ours = true;
    target.crtcs[i] = *before;
  }
  const bool screenOurs = now.width == applied.width && now.height == applied.height;
  if (!ours && (!screenOurs || (saved.width == now.width && saved.height == now.height))) {
    return true;
  }
  if (screenOurs) {
    target.width = saved.width;
    target.height = saved.height;
    target.widthMm = saved.widthMm;
    target.heightMm = saved.heightMm;
  } else {
    // Someone else sized the screen meanwhile: their size stays if the monitors fit in it.
    ScreenLayout fit = target;
    FitScreenAround(fit, now);
    if (fit.width > now.width || fit.height > now.height) target = fit;
  }
  return ApplyScreenLayout(display, target);
}

}  // namespace frost::linux_host
