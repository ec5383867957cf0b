// The helpers with geometry of their own: quad, soft disc, blur, render-to-texture, fade.
#include <cmath>
#include <numbers>

#include "render/gl.h"
#include "render/gl_extensions.h"
#include "render/number_helpers.h"

namespace frost {

bool GLExtensions::DrawQuad(float width, float height) const {
  const float w = width / 2.0f;
  const float h = height / 2.0f;
  glBegin(GL_QUADS);
  TexCoord(0, 0.0f, 0.0f);
  glVertex3f(-w, -h, 0.0f);
  TexCoord(0, 1.0f, 0.0f);
  glVertex3f(w, -h, 0.0f);
  TexCoord(0, 1.0f, 1.0f);
  glVertex3f(w, h, 0.0f);
  TexCoord(0, 0.0f, 1.0f);
  glVertex3f(-w, h, 0.0f);
  glEnd();
  return true;
}

bool GLExtensions::DrawSoftDisc(float scaleX, float scaleY, int segments, float inner,
                                float brightness) const {
  if (segments < 1) return false;
  // Rim point k: the top at k = 0, then clockwise seen from +z, back to the top.
  auto rim = [segments](int k, double& px, double& py) {
    const double theta = 2.0 * std::numbers::pi * k / segments;
    px = 0.5 * std::sin(theta);
    py = 0.5 * std::cos(theta);
  };
  auto bothUnits = [this](double s, double t) {
    TexCoord(0, static_cast<float>(s), static_cast<float>(t));
    TexCoord(1, static_cast<float>(s), static_cast<float>(t));
  };
  double px = 0.0;
  double py = 0.0;

  glBegin(GL_TRIANGLE_FAN);
  glColor4f(brightness, brightness, brightness, 1.0f);
  bothUnits(0.5, 0.5);
  glVertex3f(0.0f, 0.0f, 0.0f);
  for (int k = 0; k <= segments; ++k) {
    rim(k, px, py);
    bothUnits(0.5 + inner * px, 0.5 + inner * py);
    glVertex3f(static_cast<float>(scaleX * px * inner), static_cast<float>(scaleY * py * inner),
               0.0f);
  }
  glEnd();

  glBegin(GL_TRIANGLE_STRIP);
  for (int k = 0; k <= segments; ++k) {
    rim(k, px, py);
    glColor4f(brightness, brightness, brightness, 1.0f);
    bothUnits(0.5 + inner * px, 0.5 + inner * py);
    glVertex3f(static_cast<float>(scaleX * px * inner), static_cast<float>(scaleY * py * inner),
               0.0f);
    glColor4f(brightness, brightness, brightness, 0.0f);
    bothUnits(0.5 + px, 0.5 + py);
    glVertex3f(static_cast<float>(scaleX * px), static_cast<float>(scaleY * py), 0.0f);
  }
  glEnd();
  return true;
}

bool GLExtensions::CopyToTexture(int x, int y, int width, int height, bool setParams) const {
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, y, width, height);
  if (setParams) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  }
  return true;
}

bool GLExtensions::CopyToTextureMipmapped(int x, int y, int width, int height) const {
  if (!generateMipmap) return false;
  glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP_SGIS, 1);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, y, width, height);
  // The flag stays with the texture: left on, every later plain copy into it would rebuild the
  // whole chain too, which costs a software renderer more than the copy itself.
  glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP_SGIS, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  return true;
}

bool GLExtensions::BlurTexture(int width, int height, int passes, int spread, bool setViewport,
                               bool mipmaps) const {
  if (!IsPowerOfTwo(width) || !IsPowerOfTwo(height) || passes < 1) return false;
  if (setViewport) {
    glPushAttrib(GL_VIEWPORT_BIT);
    glViewport(0, 0, width, height);
  }
  glDisable(GL_DEPTH_TEST);
  glClear(GL_COLOR_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width, 0, height, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(static_cast<float>(width) / 2.0f, static_cast<float>(height) / 2.0f, 0.0f);

  // n + 1 copies at alpha 1/n per pass: a box blur (n + 1)/n times as bright as an average.
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f / static_cast<float>(passes));
  const float step = static_cast<float>(spread) / static_cast<float>(passes);
  const float start = -static_cast<float>(spread) / 2.0f;
  const float w = static_cast<float>(width);
  const float h = static_cast<float>(height);

  glPushMatrix();
  glTranslatef(start, 0.0f, 0.0f);
  for (int k = 0; k <= passes; ++k) {
    glTranslatef(step, 0.0f, 0.0f);
    DrawQuad(w, h);
  }
  glPopMatrix();
  CopyToTexture(0, 0, width, height, false);

  glClear(GL_COLOR_BUFFER_BIT);
  glPushMatrix();
  glTranslatef(0.0f, start, 0.0f);
  for (int k = 0; k <= passes; ++k) {
    glTranslatef(0.0f, step, 0.0f);
    DrawQuad(w, h);
  }
  glPopMatrix();
  if (!mipmaps || !CopyToTextureMipmapped(0, 0, width, height)) {
    CopyToTexture(0, 0, width, height, true);
  }

  if (setViewport) glPopAttrib();
  return true;
}

bool GLExtensions::BeginRenderToTexture(int width, int height) const {
  if (width <= 0 || height <= 0) return false;
  glPushAttrib(GL_VIEWPORT_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -100, 100);
  glMatrixMode(GL_MODELVIEW);
  glViewport(0, 0, width, height);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  return true;
}

bool GLExtensions::EndRenderToTexture() const {
  glPopAttrib();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  return true;
}

bool GLExtensions::DrawFullScreenFade(float alpha, const float colour[3], bool invert) const {
  ResetTextureUnits();
  glDisable(GL_TEXTURE_2D);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(colour[0], colour[1], colour[2], invert ? 1.0f - alpha : alpha);
  glDisable(GL_DEPTH_TEST);
  DrawQuad(2.0f, 2.0f);
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  return true;
}

}  // namespace frost
