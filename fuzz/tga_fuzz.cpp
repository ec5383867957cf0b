// The font sheet: any bytes where font.tga should be.
#include <cstdint>
#include <cstdio>

#include "render/tga_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (file == nullptr) return 0;  // fmemopen refuses an empty buffer
  frost::TgaPixels pixels;
  if (frost::ReadTga(file, pixels) == frost::TgaResult::Loaded) {
    // Every pixel the reader claims must be there: touch the last byte.
    const int channels = pixels.format == 0x1906 /* GL_ALPHA */ ? 1
                         : pixels.format == 0x1907 /* GL_RGB */ ? 3
                                                                : 4;
    const std::size_t bytes = static_cast<std::size_t>(pixels.width) *
                              static_cast<std::size_t>(pixels.height) *
                              static_cast<std::size_t>(channels);
    if (pixels.width <= 0 || pixels.height <= 0 || pixels.pixels == nullptr) __builtin_trap();
    volatile std::uint8_t last = pixels.pixels[bytes - 1];
    (void)last;
  }
  std::fclose(file);
  return 0;
}
