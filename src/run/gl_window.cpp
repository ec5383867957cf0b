#include "run/gl_window.h"

#include "render/gl.h"
#include "run/run_state.h"

namespace frost {
namespace {

void Fail(const char* text) {
  TellUser(0, text, WindowTexts::kError, MessageButtons::Ok, MessageIcon::Exclamation);
}

void ShutdownFailure(const char* text) {
  TellUser(0, text, WindowTexts::kShutdownError, MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace

GlWindow::GlWindow(const char* title_, int width_, int height_, int colorBits_, int refreshRate_,
                   bool fullscreen_, int depthBits_, int stencilBits_, int alphaBits_)
    : title(title_),
      width(width_),
      height(height_),
      colorBits(colorBits_),
      refreshRate(refreshRate_),
      fullscreen(fullscreen_),
      stencilBits(stencilBits_),
      depthBits(depthBits_),
      alphaBits(alphaBits_) {}

bool GlWindow::RegisterFullScreenClass() {
  if (Os().RegisterWindowClass(WindowClassKind::FullScreen, hinstance)) return true;
  Fail(WindowTexts::kClassFailed);
  return false;
}

bool GlWindow::RegisterPreviewClass() {
  if (Os().RegisterWindowClass(WindowClassKind::Preview, hinstance)) return true;
  Fail(WindowTexts::kClassFailed);
  return false;
}

PixelFormatRequest GlWindow::PixelFormat() const {
  PixelFormatRequest request;
  request.colorBits = colorBits;
  request.alphaBits = alphaBits;
  request.depthBits = depthBits;
  request.stencilBits = stencilBits;
  request.doubleBuffer = true;
  return request;
}

void GlWindow::SetDisplayMode(int newWidth, int newHeight, int newColorBits, int newRefreshRate) {
  width = newWidth;
  height = newHeight;
  colorBits = newColorBits;
  refreshRate = newRefreshRate;
}

void GlWindow::ResetForPreview(int newWidth, int newHeight) {
  title = "ZIRavar";
  width = newWidth;
  height = newHeight;
  colorBits = 32;
  refreshRate = 0;
  fullscreen = false;
  depthBits = 32;
  stencilBits = 0;
  alphaBits = 0;
  active = false;
  embedParent = 0;
  hdc = 0;
  hglrc = 0;
  hwnd = 0;
}

bool GlWindow::OpenWindow() {
  if (embedParent != 0) return OpenChildWindow(embedParent);
  return OpenOwnWindow();
}

bool GlWindow::OpenChildWindow(WindowHandle parent) {
  // Inside someone else's window: no display mode, no cursor, no keyboard focus.
  WindowRequest request;
  request.style = WindowStyle::Child;
  request.parent = parent;
  request.title = "OpenGL";  // named for its class, not for the saver
  return CreateWindowAndContext(request, false);
}

bool GlWindow::OpenOwnWindow() {
  if (fullscreen) {
    DisplayModeChange mode;
    mode.width = width;
    mode.height = height;
    mode.colorBits = colorBits;
    // Below 60 Hz the mode is asked for without a frequency: the hardware default.
    mode.frequency = refreshRate >= 60 ? static_cast<std::uint32_t>(refreshRate) : 0;
    if (!Os().ChangeDisplayMode(mode)) {
      const MessageAnswer answer =
          TellUser(0, WindowTexts::kModeQuestion, WindowTexts::kModeQuestionCaption,
                   MessageButtons::YesNo, MessageIcon::Exclamation);
      if (answer == MessageAnswer::Yes) {
        fullscreen = false;
        // A stored index past the mode list gives no size at all (-1); a window needs a real
        // one, so the windowed run falls back to the size the scene was built with.
        if (width <= 0 || height <= 0) {
          width = kFallbackWidth;
          height = kFallbackHeight;
        }
        if (colorBits <= 0) colorBits = kFallbackColorBits;
      } else {
        TellUser(0, WindowTexts::kWillClose, WindowTexts::kError, MessageButtons::Ok,
                 MessageIcon::Error);
        return false;
      }
    }
  }

  WindowRequest request;
  if (fullscreen) {
    Os().ShowCursor(false);
    request.style = WindowStyle::Popup;
  } else {
    request.style = WindowStyle::OverlappedTopmost;
  }
  request.title = title;
  return CreateWindowAndContext(request, true);
}

bool GlWindow::CreateWindowAndContext(WindowRequest request, bool takeFocus) {
  request.width = width;
  request.height = height;
  request.pixelFormat = PixelFormat();
  hwnd = Os().CreateWindow(request);
  if (hwnd == 0) {
    Fail(WindowTexts::kWindowFailed);
    return false;
  }
  hdc = Os().GetDeviceContext(hwnd);
  if (hdc == 0) {
    Fail("Can't Create A GL Device Context.");
    return false;
  }
  const int format = Os().ChoosePixelFormat(hdc, request.pixelFormat);
  if (format == 0) {
    Fail("Can't Find A Suitable PixelFormat.");
    return false;
  }
  if (!Os().SetPixelFormat(hdc, format)) {
    Fail("Can't Set The PixelFormat.");
    return false;
  }
  hglrc = Os().CreateContext(hdc);
  if (hglrc == 0) {
    Fail("Can't Create A GL Rendering Context.");
    return false;
  }
  if (!Os().MakeCurrent(hdc, hglrc)) {
    Fail("Can't Activate The GL Rendering Context.");
    return false;
  }
  Os().ShowWindow(hwnd, takeFocus);
  // Ask for vsync so that frames are paced inside the swap; where the driver refuses, the
  // loop runs unpaced.
  if (!Os().SetSwapInterval(1)) Os().SetSwapInterval(0);
  glViewport(0, 0, width, height);
  return true;
}

void GlWindow::CloseWindow() {
  if (fullscreen) {
    Os().RestoreDisplayMode();
    Os().ShowCursor(true);
  }
  if (hglrc != 0) {
    if (!Os().MakeCurrent(0, 0)) ShutdownFailure("Release Of DC And RC Failed.");
    if (!Os().DeleteContext(hglrc)) ShutdownFailure("Release Rendering Context Failed.");
    hglrc = 0;
  }
  if (hdc != 0) {
    if (!Os().ReleaseDeviceContext(hwnd, hdc)) ShutdownFailure("Release Device Context Failed.");
    hdc = 0;
  }
  if (hwnd != 0) {
    if (!Os().DestroyWindow(hwnd)) ShutdownFailure("Could Not Release hWnd.");
    hwnd = 0;
  }
  if (!Os().UnregisterWindowClass(hinstance)) ShutdownFailure("Could Not Unregister Class.");
  hinstance = 0;
}

void GlWindow::ResizeViewport(int newWidth, int newHeight) {
  if (newHeight == 0) newHeight = 1;
  width = newWidth;
  height = newHeight;
  glViewport(0, 0, width, height);
}

}  // namespace frost
