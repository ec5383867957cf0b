// The window procedure of both "OpenGL" classes: each message the saver reacts to becomes the
// core's event and goes to the core's own procedure at once, so that what it leaves unhandled
// still gets the system's default processing for that very message.
#include "platform/win32/win32_platform.h"

namespace frost::win32 {
namespace {

SysCommand Command(WPARAM wParam) {
  // The low four bits of a system command are the system's own.
  switch (wParam & 0xFFF0) {
    case SC_SCREENSAVE:
      return SysCommand::ScreenSave;
    case SC_MONITORPOWER:
      return SysCommand::MonitorPower;
    default:
      return SysCommand::Other;
  }
}

// The event for a message, or Other for one the saver has no use for.
WindowEvent Translate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowEvent event;
  event.window = reinterpret_cast<WindowHandle>(window);
  switch (message) {
    case WM_SIZE:
      event.kind = EventKind::Size;
      event.width = LOWORD(lParam);
      event.height = HIWORD(lParam);
      break;
    case WM_KEYDOWN:
      event.kind = EventKind::KeyDown;
      event.key = static_cast<int>(wParam);
      break;
    case WM_KEYUP:
      event.kind = EventKind::KeyUp;
      event.key = static_cast<int>(wParam);
      break;
    case WM_CLOSE:
      event.kind = EventKind::Close;
      break;
    case WM_DESTROY:
      event.kind = EventKind::Destroy;
      break;
    case WM_SYSCOMMAND:
      event.kind = EventKind::SysCommand;
      event.command = Command(wParam);
      break;
    case WM_ACTIVATE:
      event.kind = EventKind::Activate;
      event.minimized = HIWORD(wParam) != 0;
      break;
    case WM_MOUSEMOVE:
      event.kind = EventKind::MouseMove;
      event.x = static_cast<short>(LOWORD(lParam));
      event.y = static_cast<short>(HIWORD(lParam));
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      event.kind = EventKind::MouseButton;
      break;
    default:
      event.kind = EventKind::Other;
      break;
  }
  return event;
}

}  // namespace

LRESULT Win32Platform::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && !destroying_) {
    // Not our teardown: the preview panel closed its window, and ours went with it. The loop
    // sees the quit and ends the run; the teardown then finds the window already gone.
    lostWindow_ = window;
    PostQuitMessage(0);
  }
  const WindowEvent event = Translate(window, message, wParam, lParam);
  if (event.kind != EventKind::Other && handler_ != nullptr && handler_(event)) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace frost::win32
