#include "tga_encoder.h"

namespace frost::artgen {

std::vector<std::uint8_t> EncodeCoverageTga(const CoverageImage& image) {
  std::vector<std::uint8_t> bytes(18, 0);
  bytes[2] = 2;  // uncompressed true colour; no ID field, no colour map
  bytes[12] = static_cast<std::uint8_t>(image.width & 0xFF);
  bytes[13] = static_cast<std::uint8_t>(image.width >> 8);
  bytes[14] = static_cast<std::uint8_t>(image.height & 0xFF);
  bytes[15] = static_cast<std::uint8_t>(image.height >> 8);
  bytes[16] = 32;
  bytes[17] = 8;  // eight alpha bits, origin bottom left
  bytes.reserve(bytes.size() + static_cast<std::size_t>(image.width) * image.height * 4);
  // Bottom row first: the reader uploads rows in file order, so the picture's top row lands at
  // the top of texture space (t near 1), where the font's texture coordinates expect row 0.
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t a = image.coverage[static_cast<std::size_t>(y) * image.width + x];
      bytes.insert(bytes.end(), {a, a, a, a});  // B, G, R, A
    }
  }
  return bytes;
}

}  // namespace frost::artgen
