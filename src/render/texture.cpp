#include "render/texture.h"

#include <memory>
#include <new>
#include <vector>

#include "render/gl.h"
#include "render/image.h"
#include "render/number_helpers.h"

namespace frost {

namespace {

// GLU reads the context's version string before it builds anything, and with no current context
// that string is null and GLU crashes on it. Without a context there is nothing to upload to.
void BuildMipmaps(GLenum target, GLint components, GLint width, GLint height, GLenum format,
                  const void* pixels) {
  if (glGetString(GL_VERSION) == nullptr) return;
  gluBuild2DMipmaps(target, components, width, height, format, GL_UNSIGNED_BYTE, pixels);
}

// Our pictures' rows are tightly packed; the caller's alignment comes back afterwards.
class TightRows {
 public:
  TightRows() {
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previous_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  }
  ~TightRows() { glPixelStorei(GL_UNPACK_ALIGNMENT, previous_); }
  TightRows(const TightRows&) = delete;
  TightRows& operator=(const TightRows&) = delete;

 private:
  GLint previous_ = 4;
};

}  // namespace

std::uint32_t Texture::Generate(unsigned target) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glName_ = name + 1;
  glBindTexture(target, name);
  return name;
}

bool Texture::Create(const std::string& fileName) {
  Release();
  name_ = fileName;
  Generate(GL_TEXTURE_2D);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  width_ = 0;
  height_ = 0;
  return true;
}

bool Texture::CreateBlank(unsigned width, unsigned height) {
  if (width > 65536 || height > 65536 || !IsPowerOfTwo(static_cast<int>(width)) ||
      !IsPowerOfTwo(static_cast<int>(height))) {
    return false;
  }
  std::vector<std::uint8_t> zeros(static_cast<std::size_t>(width) * height * 3, 0);
  Release();  // a second target must not leak the first
  Generate(GL_TEXTURE_2D);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, static_cast<GLsizei>(width), static_cast<GLsizei>(height),
               0, GL_RGB, GL_UNSIGNED_BYTE, zeros.data());
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
  return true;
}

bool Texture::LoadJpeg(const char* fileName) {
  if (fileName == nullptr) return false;
  Create(fileName);
  JpegImage image;
  if (!image.Load(fileName)) {
    MakePlaceholder();
    return false;
  }
  // A grey picture becomes a luminance texture: grey in every colour channel.
  const bool grey = image.bitsPerPixel == 8;
  {
    const TightRows rows;
    BuildMipmaps(GL_TEXTURE_2D, grey ? GL_LUMINANCE : 3, image.width, image.height,
                 grey ? GL_LUMINANCE : GL_RGB, image.pixels.get());
  }
  width_ = image.width;
  height_ = image.height;
  return true;
}

bool Texture::LoadCubeMap(const std::array<const char*, 6>& faces) {
  Release();
  Generate(GL_TEXTURE_CUBE_MAP_ARB);
  glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  for (unsigned face = 0; face < 6; ++face) {
    JpegImage image;
    // The cube map stays without its picture. No placeholder: the only 2D texture bound here
    // is somebody else's (the font's, during start-up).
    if (faces[face] == nullptr || !image.Load(faces[face])) return false;
    // Cube faces take three channels; a grey face is spread to grey RGB.
    std::unique_ptr<std::uint8_t[]> rgb;
    const std::uint8_t* pixels = image.pixels.get();
    if (image.bitsPerPixel == 8) {
      const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
      rgb.reset(new (std::nothrow) std::uint8_t[count * 3]);
      if (!rgb) return false;
      for (std::size_t i = 0; i < count; ++i) {
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = pixels[i];
      }
      pixels = rgb.get();
    }
    const TightRows rows;
    BuildMipmaps(static_cast<GLenum>(GL_TEXTURE_CUBE_MAP_POSITIVE_X_ARB + face), 3, image.width,
                 image.height, GL_RGB, pixels);
  }
  glTexParameteri(GL_TEXTURE_CUBE_MAP_ARB, GL_GENERATE_MIPMAP_SGIS, 1);
  return true;
}

void Texture::MakePlaceholder() {
  static const std::uint8_t kChecker[4] = {0x00, 0xFF, 0xFF, 0x00};
  const TightRows rows;
  BuildMipmaps(GL_TEXTURE_2D, 1, 2, 2, GL_LUMINANCE, kChecker);
  width_ = 2;
  height_ = 2;
}

void Texture::Bind() const {
  glBindTexture(GL_TEXTURE_2D, GlName());
}

void Texture::BindCubeMap() const {
  glBindTexture(GL_TEXTURE_CUBE_MAP_ARB, GlName());
}

void Texture::Release() {
  if (glName_ == 0) return;
  const GLuint name = glName_ - 1;
  glDeleteTextures(1, &name);
  glName_ = 0;
}

}  // namespace frost
