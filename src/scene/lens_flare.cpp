// The sun and its lens flare: a chain of six sprites along the line from the sun through the
// centre of the screen, fading in while the sun's spot on screen is bright and out when not.
#include <algorithm>
#include <cmath>

#include "render/gl.h"
#include "scene/globe_scene.h"

namespace frost {
namespace {

struct FlareSprite {
  bool addColour;  // blend by source colour instead of source alpha
  float r, g, b;   // times s (or, for the first two, plain with alpha times s)
  float alpha;     // times s for the first two sprites; 1 for the rest
  float k;         // position along the line from the sun (0) past the centre (1)
  float size;      // times the picture's width
};

constexpr FlareSprite kSprites[6] = {
    {false, 0.51f, 0.75f, 1.0f, 0.44f, 0.0f, 1.5f},  // halo
    {false, 0.5f, 1.0f, 0.75f, 0.25f, 0.4f, 0.2f},   {true, 1.0f, 0.75f, 0.5f, 1.0f, 1.1f, 0.125f},
    {true, 0.5f, 0.75f, 1.0f, 1.0f, 1.6f, 0.05f},    {true, 0.25f, 0.5f, 0.375f, 1.0f, 0.6f, 0.25f},
    {true, 0.25f, 0.375f, 0.5f, 1.0f, 1.8f, 0.375f},
};

}  // namespace

bool UpdateFlareIntensity(float& intensity, bool sunBright, float elapsedMs) {
  if (sunBright) {
    intensity = std::min(1.0f, intensity + elapsedMs * 0.0025f);
  } else {
    intensity -= elapsedMs * 0.0025f;
    if (intensity < 0.0f) {
      intensity = 0.0f;
      return false;
    }
  }
  return intensity > 0.0f;
}

void GlobeScene::DrawLensFlare(const Float4& sun) {
  gl.ResetTextureUnits();
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  gl.ResetTextureMatrix();
  // The time this frame's composition has taken so far sets how fast the flare fades.
  const float elapsed = static_cast<float>(clock.SinceMark());

  // The sun itself is never seen: its sprite would lie outside the sky box, behind the glow
  // overlay. What remains of it is the state the flare below starts from.
  const Mat4d billboard = Billboard();
  glTranslatef(sun.x, sun.y, sun.z);
  glMultMatrixd(billboard.m);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_COLOR);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  sceneTextures[Slot::kSoftSprite].Bind();
  glDisable(GL_BLEND);
  glClear(GL_DEPTH_BUFFER_BIT);

  int sunXY[2] = {0, 0};
  float visible = 0.0f;
  const bool onScreen = camera.ProbePoint(700, Vec4d(sun.x, sun.y, sun.z, 1.0), sunXY, visible);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, window.width, 0, window.height, -1, 1);
  glMatrixMode(GL_MODELVIEW);

  if (!UpdateFlareIntensity(flareIntensity, onScreen && visible > 0.1f, elapsed)) return;

  const float s = static_cast<float>(std::sin(flareIntensity * 1.57075));
  glDepthMask(GL_FALSE);
  const int cx =
      static_cast<int>(static_cast<float>(window.width) * 0.5f - static_cast<float>(sunXY[0]));
  const int cy =
      static_cast<int>(static_cast<float>(window.height) * 0.5f - static_cast<float>(sunXY[1]));
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  bool colourBlend = false;
  for (int i = 0; i < 6; ++i) {
    const FlareSprite& sprite = kSprites[i];
    if (sprite.addColour && !colourBlend) {
      glBlendFunc(GL_SRC_COLOR, GL_ONE);
      colourBlend = true;
    }
    if (sprite.addColour) {
      glColor4f(sprite.r * s, sprite.g * s, sprite.b * s, 1.0f);
    } else {
      glColor4f(sprite.r, sprite.g, sprite.b, sprite.alpha * s);
    }
    glLoadIdentity();
    glTranslatef(static_cast<float>(cx) * sprite.k + static_cast<float>(sunXY[0]),
                 static_cast<float>(cy) * sprite.k + static_cast<float>(sunXY[1]), 0.0f);
    if (i == 0) sceneTextures[Slot::kSoftSprite].Bind();
    const float side = PictureWidth() * sprite.size;
    gl.DrawQuad(side, side);
  }
  glDisable(GL_BLEND);
  glDepthMask(GL_TRUE);
}

}  // namespace frost
