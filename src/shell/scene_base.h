#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/platform.h"
#include "render/gl_extensions.h"
#include "render/texture.h"
#include "shell/frame_timer.h"

namespace frost {

// The base of the scene object: owns the window, the display mode and the GL context, and the
// scene clock. The scene itself overrides the four operations, which the shell calls in this
// slot order: Update, Init, Draw, Shutdown.
class SceneBase {
 public:
  SceneBase(const char* title, int width, int height, int colorBits, int refreshRate,
            bool fullscreen, int depthBits, int stencilBits, int alphaBits);
  SceneBase(const SceneBase&) = delete;
  SceneBase& operator=(const SceneBase&) = delete;

  virtual void Update() {}
  virtual void Init() {}
  virtual void Draw() {}
  virtual void Shutdown() {}

  // Window, display mode and context (full-screen and windowed runs).
  bool RegisterFullScreenClass();
  bool RegisterPreviewClass();
  bool OpenWindow();
  // A child window covering (0, 0, width, height) of another program's window `parent`.
  bool OpenChildWindow(WindowHandle parent);
  void CloseWindow();
  void ResizeViewport(int newWidth, int newHeight);

  // Lifecycle as the shell drives it.
  bool Start();  // frame counter, window, font, then the scene's Init
  void Stop();   // the scene's Shutdown, then CloseWindow
  void RenderFrame() {
    Update();
    Draw();
  }

  bool IsActive() const { return active; }
  void SetActive(bool flag) { active = flag; }
  void SetInstance(InstanceHandle handle) { hinstance = handle; }
  void SetDisplayMode(int newWidth, int newHeight, int newColorBits, int newRefreshRate);
  // Back to what a fresh construction with the preview's parameters gives: a 32-bit colour,
  // 32-bit depth window of the parent's size, no alpha, no stencil, not full screen.
  void ResetForPreview(int newWidth, int newHeight);
  double ElapsedMs() const { return clock.ElapsedMs(); }

  // Text: the font loads from "font.tga" in the current directory.
  void BuildFont();
  // Right-aligned in a four-glyph field starting at x; window pixels from the lower left.
  void PrintText(int x, int y, float scale, std::string_view text);
  // The value in white, then the label after it.
  void PrintNumber(int x, int y, float scale, std::string_view label, int value);
  // One frame of the frames-per-second average, which changes every 25 frames.
  void UpdateFps();
  // Covers the screen with `colour` whose alpha rises from 0 to `strength` between `start`
  // and `end` seconds of the scene clock (falls from `strength` to 0 with `invert`).
  bool FadeOverlay(float start, float end, const float colour[3], bool invert, float strength);

  PixelFormatRequest PixelFormat() const;

  // The windowed run's size when the chosen display mode has none.
  static constexpr int kFallbackWidth = 800;
  static constexpr int kFallbackHeight = 600;
  static constexpr int kFallbackColorBits = 32;

  GLExtensions gl;
  // The scene's textures; in the preview, the one preview picture.
  std::unique_ptr<Texture[]> sceneTextures;
  // Set for a run inside another program's window: the window is made a child of this one, and
  // the display mode and the cursor are left alone.
  WindowHandle embedParent = 0;
  // A run inside another program's window (or one of its own that such a program asked for)
  // shows the window's shape; full screen and the windowed fallback always show the 4:3
  // picture, which the display mode or the 800 x 600 window stretches.
  bool followsWindowShape = false;
  static constexpr double kPictureAspect = 4.0 / 3.0;
  // Width over height of what the camera sees. The vertical field of view never changes, so a
  // wider window shows more at the sides and the globe stays round.
  double ViewAspect() const;
  // The width in window pixels that sizes on screen are measured in: the window's own width,
  // or, where the picture follows the window's shape, that of a 4:3 picture as high as it.
  float PictureWidth() const;
  std::uint32_t fontListBase = 0;
  Texture fontTexture;
  FrameTimer clock;
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
  int fpsCountdown = 0;
  int fpsAccum = 0;
  int fps = 0;
  float fpsLastMs = 0.0f;
  float fpsNowMs = 0.0f;

 protected:
  // The one scene object is a static of its own type and is never deleted through the base.
  ~SceneBase() = default;

 private:
  bool OpenOwnWindow();
  bool CreateWindowAndContext(const WindowRequest& request);
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
