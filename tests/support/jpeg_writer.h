#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace frost::testing {

// Writes an RGB (3 channels) or grey (1 channel) picture, top row first, as a JPEG file.
bool WriteJpeg(const std::string& path, int width, int height, int channels,
               const std::vector<std::uint8_t>& pixels, int quality = 95);

// A picture of one colour.
std::vector<std::uint8_t> SolidPicture(int width, int height, std::uint8_t r, std::uint8_t g,
                                       std::uint8_t b);

}  // namespace frost::testing
