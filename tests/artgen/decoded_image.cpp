#include "decoded_image.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace frost::artgen::testing {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void EscapeOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// C state only between setjmp and the library calls. Fills width, height, channels and the
// buffer (malloc'ed, freed by the caller).
bool DecodeFile(std::FILE* file, int* width, int* height, int* channels, unsigned char** pixels) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = EscapeOnError;
  *pixels = nullptr;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  *width = static_cast<int>(info.output_width);
  *height = static_cast<int>(info.output_height);
  *channels = info.output_components;
  const std::size_t stride = static_cast<std::size_t>(*width) * *channels;
  *pixels = static_cast<unsigned char*>(std::malloc(stride * *height));
  while (*pixels != nullptr && info.output_scanline < info.output_height) {
    JSAMPROW row = *pixels + info.output_scanline * stride;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return *pixels != nullptr;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
struct BufferFree {
  void operator()(unsigned char* buffer) const { std::free(buffer); }
};

}  // namespace

std::optional<DecodedImage> DecodeJpeg(const std::filesystem::path& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  DecodedImage image;
  unsigned char* raw = nullptr;
  const bool ok = DecodeFile(file.get(), &image.width, &image.height, &image.channels, &raw);
  std::unique_ptr<unsigned char, BufferFree> buffer(raw);
  if (!ok) return std::nullopt;
  image.pixels.assign(buffer.get(), buffer.get() + static_cast<std::size_t>(image.width) *
                                                       image.height * image.channels);
  return image;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace frost::artgen::testing
