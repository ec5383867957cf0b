// A window of our own inside another program's window (a settings panel's preview area, or the
// window xscreensaver hands its hacks), drawn with GLX. SDL cannot make such a child with a
// GL context, so this talks to the X server directly, on a connection of its own.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct _XDisplay;
struct __GLXcontextRec;

namespace frost::linux_host {

class GlxChildWindow {
 public:
  GlxChildWindow() = default;
  ~GlxChildWindow() { Destroy(); }
  GlxChildWindow(const GlxChildWindow&) = delete;
  GlxChildWindow& operator=(const GlxChildWindow&) = delete;

  // The client size of any window on the display; false when there is no such window.
  static bool ForeignClientSize(WindowHandle window, int& width, int& height);
  // A GL entry point for the child's context.
  static void* ProcAddress(const char* name);

  // A child covering (0, 0, width, height) of `parent`, with the closest visual to `format`.
  // Returns its id, 0 when the parent does not exist or no visual fits.
  WindowHandle Create(WindowHandle parent, int width, int height, const PixelFormatRequest& format);
  bool Exists() const { return window_ != 0; }
  WindowHandle Handle() const { return window_; }

  void Show();
  bool ClientSize(int& width, int& height) const;
  std::uintptr_t CreateContext();
  bool MakeCurrent(std::uintptr_t context);  // 0 releases
  void DeleteContext(std::uintptr_t context);
  void SwapBuffers();
  void Destroy();

  // What happened to the child or its parent: resized with the parent, destroyed (the parent
  // went away, taking the child with it), the pointer moving over it, uncovered. False when
  // nothing is waiting.
  bool NextEvent(WindowEvent& event);

 private:
  _XDisplay* display_ = nullptr;
  WindowHandle window_ = 0;
  WindowHandle parent_ = 0;
  unsigned long colormap_ = 0;
  void* visual_ = nullptr;  // XVisualInfo*
  bool destroyed_ = false;  // by the X server, with its parent
  int width_ = 0;
  int height_ = 0;
};

}  // namespace frost::linux_host
