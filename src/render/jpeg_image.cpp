#include <csetjmp>
#include <cstdio>
#include <new>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "platform/platform.h"
#include "render/image.h"

namespace frost {
namespace {

// The library's default error handler exits the process; ours jumps back to Load instead.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
  int warnings;
};

[[noreturn]] void OnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void OnMessage(j_common_ptr info, int level) {
  // Level -1 is corrupt or missing data that the library would paper over with grey.
  if (level < 0) ++reinterpret_cast<ErrorManager*>(info->err)->warnings;
}

// Kept apart from Load so that nothing with a destructor lives across setjmp.
bool Decode(std::FILE* file, Image& image) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  errors.warnings = 0;
  std::uint8_t* volatile buffer = nullptr;

  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    delete[] buffer;
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&info);

  const int channels = info.output_components;
  const std::int64_t pixelCount =
      static_cast<std::int64_t>(info.output_width) * static_cast<std::int64_t>(info.output_height);
  if ((channels != 1 && channels != 3) || pixelCount <= 0 || pixelCount > JpegImage::kMaxPixels) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  const std::size_t rowBytes = static_cast<std::size_t>(info.output_width) * channels;
  buffer = new (std::nothrow) std::uint8_t[rowBytes * info.output_height];
  if (buffer == nullptr) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = buffer + rowBytes * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  const bool clean = errors.warnings == 0;
  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  jpeg_destroy_decompress(&info);
  if (!clean) {
    delete[] buffer;
    return false;
  }
  image.pixels.reset(buffer);
  image.width = width;
  image.rowLength = width;
  image.height = height;
  image.bitsPerPixel = 8 * channels;
  return true;
}

}  // namespace

bool JpegImage::Load(const std::string& fileName) {
  Release();
  std::FILE* file = Os().OpenFile(fileName, "rb");
  if (file == nullptr) return false;
  const bool decoded = Decode(file, *this);
  std::fclose(file);
  return decoded;
}

}  // namespace frost
