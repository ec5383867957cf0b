#pragma once

#include <cstdint>
#include <vector>

namespace frost::artgen {

// A picture with one coverage byte per pixel, top row first.
struct CoverageImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;
};

// Uncompressed 32-bit true-colour TGA (type 2) with the usual bottom-left origin, the form the
// font reader uploads as RGBA. Every pixel is white premultiplied by its coverage: colour and
// alpha both equal the coverage. The frame-rate text is blended with (1 - dst colour,
// 1 - src alpha), which paints a texel's colour wherever it is not black, so a glyph cell must be
// black where it is transparent.
std::vector<std::uint8_t> EncodeCoverageTga(const CoverageImage& image);

}  // namespace frost::artgen
