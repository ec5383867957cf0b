// The frame-rate text of the scene object: font, printing and the averaged counter.
#include <cmath>
#include <string>

#include "render/bitmap_font.h"
#include "render/gl.h"
#include "render/number_helpers.h"
#include "scene/data_files.h"
#include "scene/scene_base.h"

namespace frost {

void SceneBase::BuildFont() {
  // A missing font leaves the lists in place with a texture that has no image.
  fontTexture.LoadTga(data_files::kFont);
  fontListBase = BitmapFont::CompileGlyphLists();
}

void SceneBase::PrintText(int x, int y, float scale, std::string_view text) {
  // Only codes 32 to 127 have glyphs; anything else would call some other display list.
  std::string glyphs(text);
  for (char& c : glyphs) {
    if (static_cast<unsigned char>(c) < BitmapFont::kFirstCode ||
        static_cast<unsigned char>(c) > 127) {
      c = '?';
    }
  }
  glFrontFace(GL_CCW);
  const int shift = BitmapFont::TextShift(glyphs.size(), scale);
  fontTexture.Bind();
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, window.width, 0, window.height, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslated(x + shift, y, 0);
  glScalef(scale, scale, scale);
  glListBase(fontListBase - BitmapFont::kFirstCode);
  glCallLists(static_cast<GLsizei>(glyphs.size()), GL_BYTE, glyphs.data());
}

void SceneBase::PrintNumber(int x, int y, float scale, std::string_view label, int value) {
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glEnable(GL_TEXTURE_2D);
  glPushMatrix();
  const std::string text = IntToText(value);
  const float labelOffset = static_cast<float>(label.size()) * scale * BitmapFont::kAdvance;
  PrintText(x + static_cast<int>(labelOffset), y, scale, label);
  PrintText(x, y, scale, text);
  glPopMatrix();
}

void SceneBase::UpdateFps() {
  fpsNowMs = static_cast<float>(ElapsedMs());
  // Two frames with the same clock reading have no rate: that frame is not counted.
  if (fpsNowMs == fpsLastMs) return;
  // Rounded, not truncated: the clock's float conversion makes an exact 20 ms read as
  // 20.000001 ms, which would otherwise count as 49 frames per second.
  fpsAccum += static_cast<int>(std::lround(1000.0f / (fpsNowMs - fpsLastMs)));
  if (--fpsCountdown == 0) {
    fpsCountdown = 25;
    fps = static_cast<int>(static_cast<float>(fpsAccum) * 0.04f);
    fpsAccum = 0;
  }
  fpsLastMs = fpsNowMs;
}

}  // namespace frost
