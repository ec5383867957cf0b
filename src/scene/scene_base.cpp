#include "scene/scene_base.h"

#include "render/gl.h"

namespace frost {

SceneBase::SceneBase(const char* title, int width, int height, int colorBits, int refreshRate,
                     bool fullscreen, int depthBits, int stencilBits, int alphaBits)
    : window(title, width, height, colorBits, refreshRate, fullscreen, depthBits, stencilBits,
             alphaBits) {}

double SceneBase::ViewAspect() const {
  if (!followsWindowShape || window.width <= 0 || window.height <= 0) return kPictureAspect;
  return static_cast<double>(window.width) / static_cast<double>(window.height);
}

float SceneBase::PictureWidth() const {
  if (!followsWindowShape) return static_cast<float>(window.width);
  return static_cast<float>(static_cast<double>(window.height) * kPictureAspect);
}

void SceneBase::ResetForPreview(int newWidth, int newHeight) {
  window.ResetForPreview(newWidth, newHeight);
  followsWindowShape = false;
}

bool SceneBase::Start() {
  fpsCountdown = 25;
  fps = 0;
  fpsAccum = 0;
  if (!window.OpenWindow()) return false;
  BuildFont();
  Init();
  return true;
}

bool SceneBase::FadeOverlay(float start, float end, const float colour[3], bool invert,
                            float strength) {
  if (!(end > start)) return false;
  const float t = static_cast<float>(ElapsedMs() * 0.001);
  if (t < start || t > end) return false;
  float alpha = (t - start) * strength / (end - start);
  if (invert) alpha = 1.0f - strength + alpha;
  return gl.DrawFullScreenFade(alpha, colour, invert);
}

void SceneBase::Stop() {
  Shutdown();
  window.CloseWindow();
}

}  // namespace frost
