// What every scene has: its window, clock, frame-rate text, fade and picture shape.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/platform.h"
#include "render/gl_extensions.h"
#include "render/texture.h"
#include "run/frame_timer.h"
#include "run/gl_window.h"

namespace frost {

// The scene itself overrides the four operations, which the shell calls in this slot order:
// Update, Init, Draw, Shutdown.
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

  // Lifecycle as the shell drives it.
  bool Start();  // frame counter, window, font, then the scene's Init
  void Stop();   // the scene's Shutdown, then the window closes
  void RenderFrame() {
    Update();
    Draw();
  }

  // Back to a fresh preview window, which shows its picture at 4:3.
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

  GLExtensions gl;
  // The scene's textures; in the preview, the one preview picture.
  std::unique_ptr<Texture[]> sceneTextures;
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
  // The window, its display mode and its GL context.
  GlWindow window;
  int fpsCountdown = 0;
  int fpsAccum = 0;
  int fps = 0;
  float fpsLastMs = 0.0f;
  float fpsNowMs = 0.0f;

 protected:
  // The one scene object is a static of its own type and is never deleted through the base.
  ~SceneBase() = default;
};

}  // namespace frost
