#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image.h"

namespace frost::artgen {

struct PaletteEntry {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

// A picture of at most 256 colours: a palette and one index per pixel, top row first.
struct PaletteImage {
  int width = 0;
  int height = 0;
  std::array<PaletteEntry, 256> palette{};
  std::vector<std::uint8_t> indices;
};

// Reduces the picture to `colours` palette entries (at most 256) by median cut: the box of
// colours with the widest spread is split at its median until there are enough boxes, each
// box's mean becomes an entry, and every pixel takes its nearest entry. Entries are placed
// from `firstEntry` on, so that the ones before it can be reserved; unused entries are black.
PaletteImage ReduceColours(const Image& image, int colours, int firstEntry = 0);

}  // namespace frost::artgen
