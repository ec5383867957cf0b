#include "platform/sdl/x_screen_layout.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cmath>

#include "platform/sdl/x_error_trap.h"
#include "platform/sdl/xrandr_replies.h"

namespace frost::linux_host {
namespace {

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

// Rounded as SDL rounds it, so that the rate the saver stored names the same mode here.
int RefreshOf(const XRRModeInfo& mode) {
  if (mode.hTotal == 0 || mode.vTotal == 0) return 0;
  return static_cast<int>(
      std::lround(static_cast<double>(mode.dotClock) /
                  (static_cast<double>(mode.hTotal) * static_cast<double>(mode.vTotal))));
}

}  // namespace

bool ReadScreenLayout(Display* display, ScreenLayout& layout) {
  TakeScreenChanges(display);
  const int screen = DefaultScreen(display);
  layout = ScreenLayout{};
  layout.width = DisplayWidth(display, screen);
  layout.height = DisplayHeight(display, screen);
  layout.widthMm = DisplayWidthMM(display, screen);
  layout.heightMm = DisplayHeightMM(display, screen);
  const ScreenResources resources(
      XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display)));
  if (!resources) return false;
  bool ok = true;
  for (int i = 0; i < resources->ncrtc && ok; ++i) {
    const CrtcInfo info(XRRGetCrtcInfo(display, resources.get(), resources->crtcs[i]));
    if (!info) continue;
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
  }
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
  const ScreenResources resources(
      XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display)));
  if (!resources) return false;
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
    ok = SetCrtc(display, resources.get(), to.crtcs[i]);
    if (ok) undo[changed++] = *current;
  }
  if (ok) {
    if (to.width != roomWidth || to.height != roomHeight || to.widthMm != now.widthMm ||
        to.heightMm != now.heightMm) {
      // A screen left larger than its monitors only costs panning room: not worth failing for.
      SetScreenSize(display, to.width, to.height, to.widthMm, to.heightMm);
    }
  } else {
    while (changed > 0) SetCrtc(display, resources.get(), undo[--changed]);
    if (grow) SetScreenSize(display, now.width, now.height, now.widthMm, now.heightMm);
  }
  XUngrabServer(display);
  XSync(display, False);
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

std::vector<ModeOffer> ReadModeOffers(Display* display, const CrtcLayout& crtc) {
  std::vector<ModeOffer> offers;
  const ScreenResources resources(
      XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display)));
  if (!resources || crtc.outputCount < 1) return offers;
  std::vector<OutputInfo> others;
  for (int k = 1; k < crtc.outputCount; ++k) {
    others.emplace_back(XRRGetOutputInfo(display, resources.get(), crtc.outputs[k]));
  }
  const OutputInfo first(XRRGetOutputInfo(display, resources.get(), crtc.outputs[0]));
  if (!first) return offers;
  for (int i = 0; i < first->nmode; ++i) {
    const RRMode id = first->modes[i];
    const XRRModeInfo* info = std::find_if(resources->modes, resources->modes + resources->nmode,
                                           [id](const XRRModeInfo& mode) { return mode.id == id; });
    if (info == resources->modes + resources->nmode) continue;
    ModeOffer offer;
    offer.id = id;
    offer.width = static_cast<int>(info->width);
    offer.height = static_cast<int>(info->height);
    offer.refreshRate = RefreshOf(*info);
    for (const OutputInfo& other : others) {
      offer.offeredByAll =
          offer.offeredByAll && other &&
          std::find(other->modes, other->modes + other->nmode, id) != other->modes + other->nmode;
    }
    offers.push_back(offer);
  }
  return offers;
}

}  // namespace frost::linux_host
