#include "jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace frost::jpeg {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

// libjpeg's own handler ends the process; ours returns to the encoder instead.
[[noreturn]] void EscapeOnError(j_common_ptr info) {
  char message[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, message);
  std::fprintf(stderr, "JPEG encoder: %s\n", message);
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Plain C state only between setjmp and the library calls: a longjmp must not skip a destructor.
bool EncodeRows(const std::uint8_t* pixels, int width, int height, int channels, int quality,
                bool fullChroma, unsigned char** output, unsigned long* outputSize) {
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
  info.input_components = channels;
  info.in_color_space = channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  for (int c = 0; fullChroma && c < info.num_components; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  info.dct_method = JDCT_ISLOW;
  jpeg_start_compress(&info, TRUE);
  const std::size_t stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(pixels + info.next_scanline * stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::vector<std::uint8_t> Encode(const std::uint8_t* pixels, int width, int height, int channels,
                                 int quality, Chroma chroma) {
  unsigned char* output = nullptr;
  unsigned long outputSize = 0;
  const bool ok = EncodeRows(pixels, width, height, channels, quality, chroma == Chroma::Full,
                             &output, &outputSize);
  std::vector<std::uint8_t> bytes;
  if (ok && output != nullptr) bytes.assign(output, output + outputSize);
  std::free(output);
  return bytes;
}

bool WriteFile(const std::string& path, const std::uint8_t* pixels, int width, int height,
               int channels, int quality, Chroma chroma) {
  const std::vector<std::uint8_t> bytes = Encode(pixels, width, height, channels, quality, chroma);
  if (bytes.empty()) return false;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace frost::jpeg
