#include "bmp_encoder.h"

namespace frost::artgen {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 256 * 4;

std::uint32_t RowBytes(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

// BITMAPINFOHEADER, the palette and the pixel rows, bottom row first. An icon states twice the
// height: the picture and its mask stacked.
void PutDib(std::vector<std::uint8_t>& out, const PaletteImage& image, int statedHeight) {
  const std::uint32_t rowBytes = RowBytes(image.width, 8);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(image.width));
  Put32(out, static_cast<std::uint32_t>(statedHeight));
  Put16(out, 1);  // planes
  Put16(out, 8);  // bits per pixel
  Put32(out, 0);  // no compression
  Put32(out, rowBytes * static_cast<std::uint32_t>(image.height));
  Put32(out, 3780);  // 96 dpi, in pixels per metre
  Put32(out, 3780);
  Put32(out, 256);  // palette entries used
  Put32(out, 0);    // all of them matter
  for (const PaletteEntry& entry : image.palette) {
    out.insert(out.end(), {entry.b, entry.g, entry.r, 0});
  }
  for (int y = image.height - 1; y >= 0; --y) {
    const auto row = image.indices.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    out.insert(out.end(), row, row + image.width);
    out.resize(out.size() + (rowBytes - static_cast<std::uint32_t>(image.width)), 0);
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp8(const PaletteImage& image) {
  constexpr std::uint32_t kFileHeaderSize = 14;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
  const std::uint32_t size =
      offset + RowBytes(image.width, 8) * static_cast<std::uint32_t>(image.height);
  std::vector<std::uint8_t> out;
  out.reserve(size);
  out.push_back('B');
  out.push_back('M');
  Put32(out, size);
  Put32(out, 0);  // reserved
  Put32(out, offset);
  PutDib(out, image, image.height);
  return out;
}

std::vector<std::uint8_t> EncodeIco8(const PaletteImage& image, const std::vector<bool>& opaque) {
  constexpr std::uint32_t kDirectorySize = 6 + 16;
  const std::uint32_t maskRowBytes = RowBytes(image.width, 1);
  const std::uint32_t imageBytes =
      kInfoHeaderSize + kPaletteSize +
      (RowBytes(image.width, 8) + maskRowBytes) * static_cast<std::uint32_t>(image.height);
  std::vector<std::uint8_t> out;
  out.reserve(kDirectorySize + imageBytes);
  Put16(out, 0);  // reserved
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, 1);  // one image
  // Sizes of 256 are written as 0; ours are smaller.
  out.push_back(static_cast<std::uint8_t>(image.width & 0xFF));
  out.push_back(static_cast<std::uint8_t>(image.height & 0xFF));
  out.push_back(0);  // 256 colours
  out.push_back(0);  // reserved
  Put16(out, 1);     // planes
  Put16(out, 8);     // bits per pixel
  Put32(out, imageBytes);
  Put32(out, kDirectorySize);
  PutDib(out, image, image.height * 2);
  // The mask: one bit a pixel, set where the screen shows through, bottom row first.
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t row = out.size();
    out.resize(row + maskRowBytes, 0);
    for (int x = 0; x < image.width; ++x) {
      if (!opaque[static_cast<std::size_t>(y) * image.width + x]) {
        out[row + static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
      }
    }
  }
  return out;
}

}  // namespace frost::artgen
