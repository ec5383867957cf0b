#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "decoded_image.h"
#include "generated_art.h"

namespace frost::artgen::testing {
namespace {

// font.tga as the font reader takes it: size and depth from the header, pixels from byte 18,
// rows uploaded in file order (the first row is texture t = 0).
class FontSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    bytes_ = ReadBytes(GeneratedArt() / "font.tga");
    ASSERT_GE(bytes_.size(), 18u);
    width_ = bytes_[12] | bytes_[13] << 8;
    height_ = bytes_[14] | bytes_[15] << 8;
  }

  int Alpha(int x, int fileRow) const {
    return bytes_[18 + (static_cast<std::size_t>(fileRow) * width_ + x) * 4 + 3];
  }

  // The texels a character's display list shows: s from c/16 to (c+1)/16 and t from (15-r)/8
  // to (16-r)/8, wrapped into the picture by GL_REPEAT.
  struct Cell {
    int x0, x1, row0, row1;  // row0 is the glyph's bottom (lowest t)
  };
  Cell CellOf(char character) const {
    const int i = character - 32, c = i % 16, r = i / 16;
    const double t0 = (15.0 - r) / 8.0, t1 = (16.0 - r) / 8.0;
    const double wrap = std::floor(t0);
    return {c * width_ / 16, (c + 1) * width_ / 16, static_cast<int>((t0 - wrap) * height_),
            static_cast<int>((t1 - wrap) * height_)};
  }
  int Ink(char character) const {
    const Cell cell = CellOf(character);
    int ink = 0;
    for (int row = cell.row0; row < cell.row1; ++row) {
      for (int x = cell.x0; x < cell.x1; ++x) ink += Alpha(x, row);
    }
    return ink;
  }
  // Height of the ink's centre in the cell, 0 at the bottom, 1 at the top.
  double InkHeight(char character) const {
    const Cell cell = CellOf(character);
    double weighted = 0.0, total = 0.0;
    for (int row = cell.row0; row < cell.row1; ++row) {
      for (int x = cell.x0; x < cell.x1; ++x) {
        weighted += Alpha(x, row) * (row - cell.row0 + 0.5);
        total += Alpha(x, row);
      }
    }
    return weighted / total / (cell.row1 - cell.row0);
  }
  int InkWidth(char character, int rowInCell) const {
    const Cell cell = CellOf(character);
    int first = -1, last = -1;
    for (int x = cell.x0; x < cell.x1; ++x) {
      if (Alpha(x, cell.row0 + rowInCell) > 100) {
        if (first < 0) first = x;
        last = x;
      }
    }
    return first < 0 ? 0 : last - first + 1;
  }

  std::vector<std::uint8_t> bytes_;
  int width_ = 0;
  int height_ = 0;
};

TEST_F(FontSheet, HeaderIsUncompressedTrueColourWithAlpha) {
  EXPECT_EQ(bytes_[0], 0);  // no image ID: the pixels start right after the header
  EXPECT_EQ(bytes_[1], 0);  // no colour map
  EXPECT_EQ(bytes_[2], 2);  // uncompressed true colour
  EXPECT_EQ(bytes_[16], 32);
  EXPECT_EQ(bytes_[17] & 0x20, 0);  // bottom-left origin: file order is bottom row first
  EXPECT_TRUE(IsPowerOfTwo(width_));
  EXPECT_TRUE(IsPowerOfTwo(height_));
  EXPECT_EQ(width_, 2 * height_);  // square cells in a 16 x 8 grid
  EXPECT_EQ(bytes_.size(), 18u + static_cast<std::size_t>(width_) * height_ * 4);
}

TEST_F(FontSheet, WhiteGlyphsPremultipliedOnTransparentBlack) {
  // The counter is blended with (1 - dst colour, 1 - src alpha): any colour in a transparent
  // texel would be painted as a box round every glyph.
  for (std::size_t p = 18; p + 3 < bytes_.size(); p += 4) {
    ASSERT_EQ(bytes_[p], bytes_[p + 3]);
    ASSERT_EQ(bytes_[p + 1], bytes_[p + 3]);
    ASSERT_EQ(bytes_[p + 2], bytes_[p + 3]);
  }
}

TEST_F(FontSheet, SpaceIsEmptyAndPrintedCharactersHaveInk) {
  EXPECT_EQ(Ink(' '), 0);
  for (char c : {'A', 'f', 'p', 's', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '~'}) {
    EXPECT_GT(Ink(c), 255 * 12) << c;
  }
}

TEST_F(FontSheet, GlyphsStandUprightWhereTheDisplayListsLook) {
  // 'A' is wide at its feet (on the baseline, above the descender rows) and narrow at its apex.
  EXPECT_GT(InkWidth('A', 5), InkWidth('A', 13) + 3);
  EXPECT_LT(InkHeight('_'), 0.3);
  EXPECT_GT(InkHeight('\''), 0.55);
  EXPECT_GT(InkHeight('^'), 0.55);
}

TEST_F(FontSheet, CellBordersStayClearSoFilteringCannotBleed) {
  for (int i = 0; i < 96; ++i) {
    const Cell cell = CellOf(static_cast<char>(32 + i));
    for (int x = cell.x0; x < cell.x1; ++x) {
      EXPECT_EQ(Alpha(x, cell.row0), 0) << static_cast<char>(32 + i);
      EXPECT_EQ(Alpha(x, cell.row1 - 1), 0) << static_cast<char>(32 + i);
    }
    for (int row = cell.row0; row < cell.row1; ++row) {
      EXPECT_EQ(Alpha(cell.x0, row), 0) << static_cast<char>(32 + i);
      EXPECT_EQ(Alpha(cell.x1 - 1, row), 0) << static_cast<char>(32 + i);
    }
  }
}

}  // namespace
}  // namespace frost::artgen::testing
