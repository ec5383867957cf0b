#include "platform/sdl/glx_child_window.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <vector>

#include "platform/sdl/pixel_format_fallbacks.h"
#include "platform/sdl/x_error_trap.h"

namespace frost::linux_host {

namespace {

XVisualInfo* ChooseVisual(Display* display, const PixelFormatRequest& wanted) {
  for (const PixelFormatRequest& format : PixelFormatFallbacks(wanted)) {
    const int channel = format.colorBits <= 16 ? 5 : 8;
    std::vector<int> attributes{GLX_RGBA,       GLX_RED_SIZE,   channel,
                                GLX_GREEN_SIZE, channel,        GLX_BLUE_SIZE,
                                channel,        GLX_DEPTH_SIZE, format.depthBits};
    if (format.alphaBits > 0)
      attributes.insert(attributes.end(), {GLX_ALPHA_SIZE, format.alphaBits});
    if (format.stencilBits > 0) {
      attributes.insert(attributes.end(), {GLX_STENCIL_SIZE, format.stencilBits});
    }
    if (format.doubleBuffer) attributes.push_back(GLX_DOUBLEBUFFER);
    attributes.push_back(None);
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes.data());
    if (visual != nullptr) return visual;
  }
  return nullptr;
}

}  // namespace

void* GlxChildWindow::ProcAddress(const char* name) {
  return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

bool GlxChildWindow::ForeignClientSize(WindowHandle window, int& width, int& height) {
  if (window == 0) return false;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  bool ok = false;
  {
    XErrorTrap trap(display);
    XWindowAttributes attributes{};
    ok = XGetWindowAttributes(display, static_cast<Window>(window), &attributes) != 0 &&
         !trap.Failed();
    if (ok) {
      width = attributes.width;
      height = attributes.height;
    }
  }
  XCloseDisplay(display);
  return ok;
}

WindowHandle GlxChildWindow::Create(WindowHandle parent, int width, int height,
                                    const PixelFormatRequest& format) {
  if (window_ != 0 || parent == 0 || width <= 0 || height <= 0) return 0;
  display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) return 0;
  auto* visual = ChooseVisual(display_, format);
  if (visual == nullptr) {
    Destroy();
    return 0;
  }
  visual_ = visual;
  XErrorTrap trap(display_);
  const Window root = RootWindow(display_, visual->screen);
  colormap_ = XCreateColormap(display_, root, visual->visual, AllocNone);
  XSetWindowAttributes attributes{};
  attributes.colormap = colormap_;
  attributes.background_pixel = BlackPixel(display_, visual->screen);
  attributes.border_pixel = 0;
  attributes.event_mask = StructureNotifyMask | ExposureMask | PointerMotionMask;
  const Window child =
      XCreateWindow(display_, static_cast<Window>(parent), 0, 0, static_cast<unsigned>(width),
                    static_cast<unsigned>(height), 0, visual->depth, InputOutput, visual->visual,
                    CWColormap | CWBackPixel | CWBorderPixel | CWEventMask, &attributes);
  // The parent's size changes and its end are ours to follow.
  XSelectInput(display_, static_cast<Window>(parent), StructureNotifyMask);
  if (trap.Failed()) {
    Destroy();
    return 0;
  }
  window_ = static_cast<WindowHandle>(child);
  parent_ = parent;
  width_ = width;
  height_ = height;
  return window_;
}

void GlxChildWindow::Show() {
  if (window_ == 0 || destroyed_) return;
  XErrorTrap trap(display_);
  XMapRaised(display_, static_cast<Window>(window_));
}

bool GlxChildWindow::ClientSize(int& width, int& height) const {
  if (window_ == 0) return false;
  width = width_;
  height = height_;
  return true;
}

std::uintptr_t GlxChildWindow::CreateContext() {
  if (window_ == 0 || visual_ == nullptr) return 0;
  XErrorTrap trap(display_);
  GLXContext context =
      glXCreateContext(display_, static_cast<XVisualInfo*>(visual_), nullptr, True);
  return reinterpret_cast<std::uintptr_t>(context);
}

bool GlxChildWindow::MakeCurrent(std::uintptr_t context) {
  if (display_ == nullptr) return context == 0;
  XErrorTrap trap(display_);
  if (context == 0) return glXMakeCurrent(display_, None, nullptr) == True;
  if (window_ == 0 || destroyed_) return false;
  return glXMakeCurrent(display_, static_cast<Window>(window_),
                        reinterpret_cast<GLXContext>(context)) == True &&
         !trap.Failed();
}

void GlxChildWindow::DeleteContext(std::uintptr_t context) {
  if (display_ == nullptr || context == 0) return;
  XErrorTrap trap(display_);
  glXDestroyContext(display_, reinterpret_cast<GLXContext>(context));
}

void GlxChildWindow::SwapBuffers() {
  if (window_ == 0 || destroyed_) return;
  XErrorTrap trap(display_);
  glXSwapBuffers(display_, static_cast<Window>(window_));
}

void GlxChildWindow::Destroy() {
  if (display_ != nullptr) {
    {
      XErrorTrap trap(display_);
      if (window_ != 0 && !destroyed_) XDestroyWindow(display_, static_cast<Window>(window_));
      if (colormap_ != 0) XFreeColormap(display_, colormap_);
    }
    if (visual_ != nullptr) XFree(visual_);
    XCloseDisplay(display_);
  }
  display_ = nullptr;
  window_ = 0;
  parent_ = 0;
  colormap_ = 0;
  visual_ = nullptr;
  destroyed_ = false;
}

bool GlxChildWindow::NextEvent(WindowEvent& event) {
  if (display_ == nullptr) return false;
  while (XPending(display_) > 0) {
    XEvent x{};
    XNextEvent(display_, &x);
    event = WindowEvent{};
    event.window = window_;
    switch (x.type) {
      case ConfigureNotify:
        if (x.xconfigure.window == static_cast<Window>(parent_) &&
            (x.xconfigure.width != width_ || x.xconfigure.height != height_)) {
          // The child keeps covering its parent.
          width_ = x.xconfigure.width;
          height_ = x.xconfigure.height;
          XErrorTrap trap(display_);
          XResizeWindow(display_, static_cast<Window>(window_), static_cast<unsigned>(width_),
                        static_cast<unsigned>(height_));
          event.kind = EventKind::Size;
          event.width = width_;
          event.height = height_;
          return true;
        }
        break;
      case DestroyNotify:
        if (x.xdestroywindow.window == static_cast<Window>(window_) ||
            x.xdestroywindow.window == static_cast<Window>(parent_)) {
          destroyed_ = true;
          event.kind = EventKind::Destroy;
          return true;
        }
        break;
      case MotionNotify:
        event.kind = EventKind::MouseMove;
        event.x = x.xmotion.x;
        event.y = x.xmotion.y;
        return true;
      default:
        break;
    }
  }
  return false;
}

}  // namespace frost::linux_host
