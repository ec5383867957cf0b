// The textures: any bytes where a JPEG should be.
#include <cstdint>

#include "fuzz_input_file.h"
#include "render/image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  frost::fuzzing::FuzzPlatform();
  const frost::fuzzing::InputFile input(data, size);
  frost::JpegImage image;
  if (image.Load(input.Path())) {
    if (image.width <= 0 || image.height <= 0 || !image.pixels) __builtin_trap();
    const std::size_t bytes =
        static_cast<std::size_t>(image.rowLength) * static_cast<std::size_t>(image.height);
    volatile std::uint8_t last = image.pixels[bytes - 1];
    (void)last;
  }
  return 0;
}
