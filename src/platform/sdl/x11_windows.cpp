#include "platform/sdl/x11_windows.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace frost::linux_host {

WindowHandle X11WindowOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window != nullptr && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
    return static_cast<WindowHandle>(info.info.x11.window);
  }
  return 0;
}

void AskForFullScreenState(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
    return;
  }
  // SDL's own connection: it created the window, so the window exists for this request.
  ::Display* display = info.info.x11.display;
  const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
  XChangeProperty(display, info.info.x11.window, state, XA_ATOM, 32, PropModeAppend,
                  reinterpret_cast<const unsigned char*>(&fullScreen), 1);
  XFlush(display);
}

X11Windows::~X11Windows() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

_XDisplay* X11Windows::Connection() {
  if (!tried_) {
    tried_ = true;
    display_ = XOpenDisplay(nullptr);
  }
  return display_;
}

WindowHandle X11Windows::DesktopRoot() {
  ::Display* display = Connection();
  return display != nullptr ? static_cast<WindowHandle>(DefaultRootWindow(display)) : 0;
}

WindowHandle X11Windows::ActiveWindow() {
  ::Display* display = Connection();
  if (display == nullptr) return 0;
  const Atom property = XInternAtom(display, "_NET_ACTIVE_WINDOW", True);
  if (property != None) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &remaining, &data) == Success) {
      Window active = None;
      if (data != nullptr && type == XA_WINDOW && format == 32 && count == 1) {
        active = *reinterpret_cast<Window*>(data);
      }
      if (data != nullptr) XFree(data);
      if (active != None) return static_cast<WindowHandle>(active);
    }
  }
  Window focus = None;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  return focus > PointerRoot ? static_cast<WindowHandle>(focus) : 0;
}

}  // namespace frost::linux_host
