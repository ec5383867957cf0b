// The frame-rate counter's bitmap font: glyph layout and drawing.
#pragma once

#include <cstddef>
#include <cstdint>

namespace frost {

// The bitmap font: 96 glyphs (codes 32 to 127) in a grid of 16 columns by 8 rows whose top six
// rows hold them. Each glyph is a 16-unit square; the pen moves 14 units, so neighbours overlap.
namespace BitmapFont {

inline constexpr int kGlyphCount = 96;
inline constexpr int kFirstCode = 32;
inline constexpr int kGlyphSize = 16;
inline constexpr int kAdvance = 14;
// Texts are right-aligned in a field of this many glyphs.
inline constexpr int kFieldGlyphs = 4;

struct GlyphCoords {
  float s0, s1, t0, t1;
};

// Texture coordinates of glyph i. t runs from 1.25 to 2.0 and reaches the picture through the
// repeat wrap mode (the top eighth is 1.875 to 2.0).
GlyphCoords GlyphCell(int i);

// How far a text of `length` glyphs moves right to end at the field's end; negative for texts
// longer than the field.
int TextShift(std::size_t length, float scale);

// Compiles the 96 glyph lists for the current context and returns the first list's name.
std::uint32_t CompileGlyphLists();

}  // namespace BitmapFont
}  // namespace frost
