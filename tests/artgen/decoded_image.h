#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace frost::artgen::testing {

// A decoded picture, top row first, `channels` bytes per pixel, as the scene's loader sees it.
struct DecodedImage {
  int width = 0;
  int height = 0;
  int channels = 0;
  std::vector<std::uint8_t> pixels;

  const std::uint8_t* At(int x, int y) const {
    return &pixels[(static_cast<std::size_t>(y) * width + x) * channels];
  }
  // Red + green + blue, the measure the lens flare's probe uses (0 to 765).
  int Sum(int x, int y) const { return At(x, y)[0] + At(x, y)[1] + At(x, y)[2]; }
};

// Decodes with libjpeg; nothing when the file is missing or not a JPEG.
std::optional<DecodedImage> DecodeJpeg(const std::filesystem::path& path);

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);

constexpr bool IsPowerOfTwo(int n) {
  return n > 0 && (n & (n - 1)) == 0;
}

}  // namespace frost::artgen::testing
