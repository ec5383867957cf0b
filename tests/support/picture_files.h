// Picture files for the readers' tests: JPEGs from the project's encoder, and TGA files put
// together byte by byte, so that a test can write any header, even one no painter would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "jpeg_encoder.h"

namespace frost::testing {

// An RGB (3 channels) or grey (1 channel) picture, top row first, as a JPEG file.
inline bool WriteJpeg(const std::string& path, int width, int height, int channels,
                      const std::vector<std::uint8_t>& pixels, int quality = 95) {
  return jpeg::WriteFile(path, pixels.data(), width, height, channels, quality,
                         jpeg::Chroma::Halved);
}

// A picture of one colour.
inline std::vector<std::uint8_t> SolidPicture(int width, int height, std::uint8_t r, std::uint8_t g,
                                              std::uint8_t b) {
  std::vector<std::uint8_t> pixels;
  for (int i = 0; i < width * height; ++i) pixels.insert(pixels.end(), {r, g, b});
  return pixels;
}

// An uncompressed TGA file, grey when `bits` is 8 and true colour otherwise, with the header
// saying what it is told and the pixels as given.
inline std::string TgaFile(int width, int height, int bits, const std::string& pixels) {
  std::string bytes(18, '\0');
  bytes[2] = bits == 8 ? 3 : 2;
  bytes[12] = static_cast<char>(width & 0xFF);
  bytes[13] = static_cast<char>(width >> 8);
  bytes[14] = static_cast<char>(height & 0xFF);
  bytes[15] = static_cast<char>(height >> 8);
  bytes[16] = static_cast<char>(bits);
  return bytes + pixels;
}

}  // namespace frost::testing
