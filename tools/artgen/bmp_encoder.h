#pragma once

#include <cstdint>
#include <vector>

#include "palette_image.h"

namespace frost::artgen {

// An uncompressed 8-bit BMP file (BITMAPINFOHEADER, 256-entry palette, rows bottom-up and
// padded to four bytes), the form a dialog's bitmap resource takes.
std::vector<std::uint8_t> EncodeBmp8(const PaletteImage& image);

// An icon file holding one 8-bit image: the palette picture, and a mask that is transparent
// where `opaque` is false. Transparent pixels must use a black palette entry, as the icon is
// drawn by masking the screen and then XOR-ing the picture onto it.
std::vector<std::uint8_t> EncodeIco8(const PaletteImage& image, const std::vector<bool>& opaque);

}  // namespace frost::artgen
