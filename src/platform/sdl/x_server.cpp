#include "platform/sdl/x_server.h"

#include <X11/Xlib.h>

namespace frost::linux_host {

bool XServerAnswers() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
}

std::string NoXServerText(const char* display) {
  const std::string where = display == nullptr || display[0] == '\0'
                                ? std::string("DISPLAY is not set")
                                : "no X server answers at DISPLAY=" + std::string(display);
  return "Frostmote needs an X server, and " + where +
         ".\nIn a Wayland session, start it where XWayland runs (most desktops start XWayland "
         "for X11 programs).";
}

}  // namespace frost::linux_host
