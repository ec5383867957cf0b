#include "platform/win32/win32_records.h"

#include <commdlg.h>

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

}  // namespace

DEVMODEA DisplayModeRecordFor(const DisplayModeChange& change) {
  DEVMODEA devMode{};
  devMode.dmSize = kDevModeSize;
  // Negative sizes go through as they are; the system refuses them.
  devMode.dmPelsWidth = static_cast<DWORD>(change.width);
  devMode.dmPelsHeight = static_cast<DWORD>(change.height);
  devMode.dmBitsPerPel = static_cast<DWORD>(change.colorBits);
  devMode.dmDisplayFrequency = change.frequency;
  devMode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
  return devMode;
}

PIXELFORMATDESCRIPTOR PixelFormatDescriptorFor(const PixelFormatRequest& request) {
  PIXELFORMATDESCRIPTOR pfd{};
  pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
  pfd.nVersion = 1;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  if (request.doubleBuffer) pfd.dwFlags |= PFD_DOUBLEBUFFER;
  pfd.iPixelType = PFD_TYPE_RGBA;
  pfd.cColorBits = static_cast<BYTE>(request.colorBits);
  pfd.cAlphaBits = static_cast<BYTE>(request.alphaBits);
  pfd.cDepthBits = static_cast<BYTE>(request.depthBits);
  pfd.cStencilBits = static_cast<BYTE>(request.stencilBits);
  pfd.iLayerType = PFD_MAIN_PLANE;
  return pfd;
}

UINT MessageBoxStyle(MessageButtons buttons, MessageIcon icon) {
  UINT style = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
  switch (icon) {
    case MessageIcon::Error:
      style |= MB_ICONERROR;
      break;
    case MessageIcon::Exclamation:
      style |= MB_ICONEXCLAMATION;
      break;
    case MessageIcon::Information:
      style |= MB_ICONINFORMATION;
      break;
    case MessageIcon::Question:
      style |= MB_ICONQUESTION;
      break;
    case MessageIcon::None:
      break;
  }
  return style;
}

DWORD OpenFileFlags(const FileOpenRequest& request) {
  return request.fileMustExist ? static_cast<DWORD>(OFN_FILEMUSTEXIST) : 0;
}

ShellOpenRequest WebAddressShellRequest() {
  return {nullptr, SW_SHOWNORMAL};
}

MessageAnswer MessageBoxAnswer(MessageButtons buttons, int result) {
  // 0: the system could not show the box.
  if (result == 0) return UnshownMessageAnswer(buttons);
  if (buttons == MessageButtons::YesNo) {
    return result == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
  }
  return MessageAnswer::Ok;
}

WindowEvent EventForMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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
      // The high word is non-zero while the window is being minimised.
      event.kind = EventKind::Activate;
      event.minimized = HIWORD(wParam) != 0;
      break;
    case WM_MOUSEMOVE:
      // Client coordinates, signed: a captured pointer may be left of or above the window.
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

}  // namespace frost::win32
