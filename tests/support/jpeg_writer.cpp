#include "support/jpeg_writer.h"

#include <jpeglib.h>

#include <cstdio>

namespace frost::testing {

bool WriteJpeg(const std::string& path, int width, int height, int channels,
               const std::vector<std::uint8_t>& pixels, int quality) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = channels;
  info.in_color_space = channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<std::uint8_t*>(pixels.data()) + rowBytes * info.next_scanline;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(file) == 0;
}

std::vector<std::uint8_t> SolidPicture(int width, int height, std::uint8_t r, std::uint8_t g,
                                       std::uint8_t b) {
  std::vector<std::uint8_t> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * height * 3);
  for (int i = 0; i < width * height; ++i) {
    pixels.push_back(r);
    pixels.push_back(g);
    pixels.push_back(b);
  }
  return pixels;
}

}  // namespace frost::testing
