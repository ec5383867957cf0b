// The window a run draws in, the display mode a full-screen run switches to, and the GL
// context: opened, resized and closed the same way for every run mode, with the messages their
// failures give. The scene owns one and draws into it.
#pragma once

#include "platform/platform.h"

namespace frost {

class GlWindow {
 public:
  GlWindow(const char* title, int width, int height, int colorBits, int refreshRate,
           bool fullscreen, int depthBits, int stencilBits, int alphaBits);
  GlWindow(const GlWindow&) = delete;
  GlWindow& operator=(const GlWindow&) = delete;

  bool RegisterFullScreenClass();
  bool RegisterPreviewClass();
  bool OpenWindow();
  // A child window covering (0, 0, width, height) of another program's window `parent`.
  bool OpenChildWindow(WindowHandle parent);
  void CloseWindow();
  void ResizeViewport(int newWidth, int newHeight);

  bool IsActive() const { return active; }
  void SetActive(bool flag) { active = flag; }
  void SetInstance(InstanceHandle handle) { hinstance = handle; }
  void SetDisplayMode(int newWidth, int newHeight, int newColorBits, int newRefreshRate);
  // Back to what a fresh construction with the preview's parameters gives: a 32-bit colour,
  // 32-bit depth window of the parent's size, no alpha, no stencil, not full screen.
  void ResetForPreview(int newWidth, int newHeight);

  PixelFormatRequest PixelFormat() const;

  // The windowed run's size when the chosen display mode has none.
  static constexpr int kFallbackWidth = 800;
  static constexpr int kFallbackHeight = 600;
  static constexpr int kFallbackColorBits = 32;

  // Set for a run inside another program's window: the window is made a child of this one, and
  // the display mode and the cursor are left alone.
  WindowHandle embedParent = 0;
  DeviceHandle hdc = 0;
  ContextHandle hglrc = 0;
  WindowHandle hwnd = 0;
  InstanceHandle hinstance = 0;
  const char* title;
  int width;
  int height;
  int colorBits;
  int refreshRate;
  bool fullscreen;
  int stencilBits;
  int depthBits;
  int alphaBits;
  bool active = false;

 private:
  bool OpenOwnWindow();
  // Makes the window at the current size, its device and GL contexts, then shows it (taking
  // the keyboard focus or not) with vsync asked for and the viewport set.
  bool CreateWindowAndContext(WindowRequest request, bool takeFocus);
};

// The texts the window code shows; the end-to-end tests look for them too.
namespace WindowTexts {
inline constexpr const char* kModeQuestion =
    "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode "
    "Instead?";
inline constexpr const char* kModeQuestionCaption = "Pendrel";
inline constexpr const char* kWillClose = "Program Will Now Close.";
inline constexpr const char* kError = "ERROR";
inline constexpr const char* kShutdownError = "SHUTDOWN ERROR";
inline constexpr const char* kClassFailed = "Failed To Register The Window Class.";
inline constexpr const char* kWindowFailed = "Window Creation Error.";
}  // namespace WindowTexts

}  // namespace frost
