#include "font_atlas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <memory>

namespace frost::artgen {
namespace {

struct LibraryCloser {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceCloser {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using LibraryHandle = std::unique_ptr<FT_LibraryRec_, LibraryCloser>;
using FaceHandle = std::unique_ptr<FT_FaceRec_, FaceCloser>;

constexpr int kColumns = 16;
constexpr int kRows = 8;
constexpr int kFirstCode = 32;
constexpr int kGlyphs = 96;

}  // namespace

std::optional<CoverageImage> RenderFontAtlas(const std::filesystem::path& fontFile, int cell) {
  FT_Library rawLibrary = nullptr;
  if (FT_Init_FreeType(&rawLibrary) != 0) return std::nullopt;
  LibraryHandle library(rawLibrary);
  FT_Face rawFace = nullptr;
  if (FT_New_Face(library.get(), fontFile.c_str(), 0, &rawFace) != 0) {
    std::fprintf(stderr, "frost_artgen: cannot read font %s\n", fontFile.c_str());
    return std::nullopt;
  }
  FaceHandle face(rawFace);
  // The text is shown at three quarters of the cell; a face of 7/8 of the cell keeps capitals
  // near eight pixels tall there and still fits descenders inside the cell's margin. It is
  // widened to the full cell: the pen advances 14/16 of a cell whatever the glyph, and normal
  // proportions would leave wide gaps between letters.
  const int pixelHeight = cell * 7 / 8;
  if (FT_Set_Pixel_Sizes(face.get(), static_cast<FT_UInt>(cell),
                         static_cast<FT_UInt>(pixelHeight)) != 0) {
    return std::nullopt;
  }
  const int baseline = cell * 11 / 16;  // from the cell's top row

  CoverageImage atlas;
  atlas.width = kColumns * cell;
  atlas.height = kRows * cell;
  atlas.coverage.assign(static_cast<std::size_t>(atlas.width) * atlas.height, 0);

  // 127 is DEL, which has no picture; its cell stays empty like the space's.
  for (int i = 0; i < kGlyphs - 1; ++i) {
    const FT_ULong code = static_cast<FT_ULong>(kFirstCode + i);
    // Light hinting: crisp horizontal strokes without distorting the letter widths.
    if (FT_Load_Char(face.get(), code, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) continue;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    const int advance = static_cast<int>(slot->advance.x >> 6);
    const int cellX = (i % kColumns) * cell, cellY = (i / kColumns) * cell;
    const int left = cellX + (cell - advance) / 2 + slot->bitmap_left;
    const int top = cellY + baseline - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      for (unsigned column = 0; column < bitmap.width; ++column) {
        const int x = left + static_cast<int>(column), y = top + static_cast<int>(row);
        // Keep a clear texel round every cell: the font is filtered linearly, and ink touching
        // a cell's border would bleed into the neighbouring glyph's quad.
        if (x <= cellX || x >= cellX + cell - 1 || y <= cellY || y >= cellY + cell - 1) continue;
        const std::uint8_t value =
            bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + column];
        std::uint8_t& texel = atlas.coverage[static_cast<std::size_t>(y) * atlas.width + x];
        texel = std::max(texel, value);
      }
    }
  }
  return atlas;
}

}  // namespace frost::artgen
