#include "jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace frost::artgen {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

// libjpeg's own handler ends the process; ours returns to the encoder instead.
[[noreturn]] void EscapeOnError(j_common_ptr info) {
  char message[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, message);
  std::fprintf(stderr, "frost_artgen: JPEG encoder: %s\n", message);
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Plain C state only between setjmp and the library calls: a longjmp must not skip a destructor.
bool EncodeRows(const std::uint8_t* rgb, int width, int height, int quality, unsigned char** output,
                unsigned long* outputSize) {
  jpeg_compress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = EscapeOnError;
  if (setjmp(errors.escape)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, output, outputSize);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  for (int c = 0; c < info.num_components; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  // Integer DCT: the same bytes on every machine the build runs on.
  info.dct_method = JDCT_ISLOW;
  jpeg_start_compress(&info, TRUE);
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + info.next_scanline * stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const Image& image, int quality) {
  const std::vector<std::uint8_t> rgb = image.ToRgb8();
  unsigned char* output = nullptr;
  unsigned long outputSize = 0;
  const bool ok =
      EncodeRows(rgb.data(), image.Width(), image.Height(), quality, &output, &outputSize);
  std::vector<std::uint8_t> bytes;
  if (ok && output != nullptr) bytes.assign(output, output + outputSize);
  std::free(output);
  return bytes;
}

}  // namespace frost::artgen
