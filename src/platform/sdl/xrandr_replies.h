// The replies of the RandR extension, each freed by its own call when it goes out of scope.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <memory>

namespace frost::linux_host {

struct XrrFree {
  void operator()(XRRScreenResources* reply) const { XRRFreeScreenResources(reply); }
  void operator()(XRROutputInfo* reply) const { XRRFreeOutputInfo(reply); }
  void operator()(XRRCrtcInfo* reply) const { XRRFreeCrtcInfo(reply); }
};

using ScreenResources = std::unique_ptr<XRRScreenResources, XrrFree>;
using OutputInfo = std::unique_ptr<XRROutputInfo, XrrFree>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, XrrFree>;

}  // namespace frost::linux_host
