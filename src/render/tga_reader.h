// The TGA reader the font texture loads through.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace frost {

// An uncompressed TGA picture as the font uses it: 8-bit alpha, 24-bit RGB or 32-bit RGBA,
// rows in file order (bottom row first for the usual origin).
struct TgaPixels {
  int width = 0;
  int height = 0;
  unsigned format = 0;  // GL_ALPHA, GL_RGB or GL_RGBA
  std::unique_ptr<std::uint8_t[]> pixels;
};

enum class TgaResult { Loaded, CannotOpen, Unreadable };

// Reads the header and the pixel block that follows it at offset 18, swapping B and R. Refuses,
// without allocating, sizes of zero, depths other than 8, 24 and 32, and pixel blocks larger
// than what the file holds.
TgaResult ReadTga(std::FILE* file, TgaPixels& out);

// Opens the file read-only (an installed font is not writable), reads it and uploads it into
// the 2D texture `glName` without mipmaps. A file that cannot be read leaves the texture
// without an image.
TgaResult LoadTgaIntoTexture(const std::string& fileName, std::uint32_t glName);

}  // namespace frost
