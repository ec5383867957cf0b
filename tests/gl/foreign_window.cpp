#include "foreign_window.h"

#include <X11/Xlib.h>

namespace frost::testing {

ForeignWindow::ForeignWindow(int width, int height) {
  display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) return;
  const Window window =
      XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), 0, 0, 0);
  XMapWindow(display_, window);
  XSync(display_, False);
  window_ = static_cast<WindowHandle>(window);
}

ForeignWindow::~ForeignWindow() {
  if (display_ == nullptr) return;
  XDestroyWindow(display_, static_cast<Window>(window_));
  XCloseDisplay(display_);
}

}  // namespace frost::testing
