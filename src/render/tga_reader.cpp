#include "render/tga_reader.h"

#include <new>
#include <utility>

#include "platform/platform.h"
#include "render/gl.h"
#include "render/texture.h"

namespace frost {
namespace {

constexpr long kPixelOffset = 18;

long FileSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  const long size = std::ftell(file);
  return size;
}

}  // namespace

TgaResult ReadTga(std::FILE* file, TgaPixels& out) {
  const long fileSize = FileSize(file);
  unsigned char header[6];
  if (fileSize < kPixelOffset || std::fseek(file, 12, SEEK_SET) != 0 ||
      std::fread(header, 1, sizeof header, file) != sizeof header) {
    return TgaResult::Unreadable;
  }
  const int width = header[0] | (header[1] << 8);
  const int height = header[2] | (header[3] << 8);
  const int bits = header[4];
  unsigned format = 0;
  switch (bits) {
    case 8:
      format = GL_ALPHA;
      break;
    case 24:
      format = GL_RGB;
      break;
    case 32:
      format = GL_RGBA;
      break;
    default:
      return TgaResult::Unreadable;
  }
  const std::size_t bytesPerPixel = static_cast<std::size_t>(bits / 8);
  const std::size_t bytes = static_cast<std::size_t>(width) * height * bytesPerPixel;
  if (width == 0 || height == 0 || bytes > static_cast<std::size_t>(fileSize - kPixelOffset)) {
    return TgaResult::Unreadable;
  }
  std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[bytes]);
  if (!pixels || std::fseek(file, kPixelOffset, SEEK_SET) != 0 ||
      std::fread(pixels.get(), 1, bytes, file) != bytes) {
    return TgaResult::Unreadable;
  }
  if (bytesPerPixel >= 3) {
    for (std::size_t i = 0; i < bytes; i += bytesPerPixel) std::swap(pixels[i], pixels[i + 2]);
  }
  out.width = width;
  out.height = height;
  out.format = format;
  out.pixels = std::move(pixels);
  return TgaResult::Loaded;
}

TgaResult LoadTgaIntoTexture(const std::string& fileName, std::uint32_t glName) {
  std::FILE* file = Os().OpenFile(fileName, "rb");
  if (file == nullptr) return TgaResult::CannotOpen;
  TgaPixels tga;
  const TgaResult result = ReadTga(file, tga);
  std::fclose(file);
  if (result != TgaResult::Loaded) return result;

  glBindTexture(GL_TEXTURE_2D, glName);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(tga.format), tga.width, tga.height, 0,
               tga.format, GL_UNSIGNED_BYTE, tga.pixels.get());
  return TgaResult::Loaded;
}

bool Texture::LoadTga(const char* fileName) {
  if (fileName == nullptr) return false;
  Create(fileName);
  return LoadTgaIntoTexture(fileName, GlName()) == TgaResult::Loaded;
}

}  // namespace frost
