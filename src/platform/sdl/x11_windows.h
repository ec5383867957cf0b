// X11 window questions and requests the SDL host needs beyond SDL.
#pragma once

#include "platform/platform.h"

struct _XDisplay;
struct SDL_Window;

namespace frost::linux_host {

// Window-system questions that SDL does not answer: which window is the desktop and which one
// the user works in. Opens its own connection on first use.
// The X11 id of an SDL window; 0 when SDL does not run on X11.
WindowHandle X11WindowOf(SDL_Window* window);
// Asks the window manager, before the window is shown, to give it the whole monitor above
// panels and docks, as it would a full-screen window of its own making.
void AskForFullScreenState(SDL_Window* window);

class X11Windows {
 public:
  X11Windows() = default;
  X11Windows(const X11Windows&) = delete;
  X11Windows& operator=(const X11Windows&) = delete;
  ~X11Windows();

  WindowHandle DesktopRoot();
  // The window manager's active window, else the window with the input focus; 0 if none.
  WindowHandle ActiveWindow();

 private:
  _XDisplay* Connection();
  _XDisplay* display_ = nullptr;
  bool tried_ = false;
};

}  // namespace frost::linux_host
