// The window procedure of both "OpenGL" classes: each message the saver reacts to becomes the
// core's event and goes to the core's own procedure at once, so that what it leaves unhandled
// still gets the system's default processing for that very message.
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_records.h"

namespace frost::win32 {

LRESULT Win32Platform::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && !destroying_) {
    // Not our teardown: the preview panel closed its window, and ours went with it. The loop
    // sees the quit and ends the run; the teardown then finds the window already gone.
    lostWindow_ = window;
    PostQuitMessage(0);
  }
  const WindowEvent event = EventForMessage(window, message, wParam, lParam);
  if (event.kind != EventKind::Other && handler_ != nullptr && handler_(event)) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace frost::win32
