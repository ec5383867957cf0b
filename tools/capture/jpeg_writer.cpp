#include "jpeg_writer.h"

#include <cstdio>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "frame_pixels.h"

namespace frost::capture {

bool WriteFrameJpeg(const std::string& path, int width, int height, int quality) {
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  std::vector<unsigned char> pixels = ReadFramePixels(width, height);

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  jpeg_compress_struct jpeg{};
  jpeg_error_mgr errors{};
  jpeg.err = jpeg_std_error(&errors);
  jpeg_create_compress(&jpeg);
  jpeg_stdio_dest(&jpeg, file);
  jpeg.image_width = static_cast<JDIMENSION>(width);
  jpeg.image_height = static_cast<JDIMENSION>(height);
  jpeg.input_components = 3;
  jpeg.in_color_space = JCS_RGB;
  jpeg_set_defaults(&jpeg);
  jpeg_set_quality(&jpeg, quality, TRUE);
  jpeg_start_compress(&jpeg, TRUE);
  for (int y = height - 1; y >= 0; --y) {
    JSAMPROW row = pixels.data() + rowBytes * static_cast<std::size_t>(y);
    jpeg_write_scanlines(&jpeg, &row, 1);
  }
  jpeg_finish_compress(&jpeg);
  jpeg_destroy_compress(&jpeg);
  return std::fclose(file) == 0;
}

}  // namespace frost::capture
