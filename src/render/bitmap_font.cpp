#include "render/bitmap_font.h"

#include "render/gl.h"

namespace frost::BitmapFont {

GlyphCoords GlyphCell(int i) {
  const int c = i % 16;
  const int r = i / 16;
  GlyphCoords cell;
  cell.s0 = static_cast<float>(c) / 16.0f;
  cell.s1 = static_cast<float>(c + 1) / 16.0f;
  cell.t0 = 2.0f * (1.0f - static_cast<float>(r) / 16.0f - 1.0f / 16.0f);
  cell.t1 = 2.0f * (1.0f - static_cast<float>(r) / 16.0f);
  return cell;
}

int TextShift(std::size_t length, float scale) {
  const float shift =
      static_cast<float>(kFieldGlyphs - static_cast<int>(length)) * scale * kAdvance;
  return static_cast<int>(shift);
}

std::uint32_t CompileGlyphLists() {
  const GLuint base = glGenLists(kGlyphCount);
  for (int i = 0; i < kGlyphCount; ++i) {
    const GlyphCoords cell = GlyphCell(i);
    glNewList(base + static_cast<GLuint>(i), GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2f(cell.s0, cell.t0);
    glVertex2i(0, 0);
    glTexCoord2f(cell.s1, cell.t0);
    glVertex2i(kGlyphSize, 0);
    glTexCoord2f(cell.s1, cell.t1);
    glVertex2i(kGlyphSize, kGlyphSize);
    glTexCoord2f(cell.s0, cell.t1);
    glVertex2i(0, kGlyphSize);
    glEnd();
    glTranslated(kAdvance, 0, 0);
    glEndList();
  }
  return base;
}

}  // namespace frost::BitmapFont
