// Textures: loaded from JPEG and TGA, cube maps, blank render targets.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace frost {

// One OpenGL texture object. It stores the GL name plus one, so that 0 means none. Every
// operation needs the context current.
class Texture {
 public:
  Texture() = default;
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;
  ~Texture() { Release(); }

  // A fresh 2D texture named after the file, bound, repeating, trilinear; size 0.
  bool Create(const std::string& fileName);
  // A render target; both sizes must be powers of two.
  bool CreateBlank(unsigned width, unsigned height);
  // False when the picture cannot be decoded: the texture then holds the 2 x 2 placeholder.
  bool LoadJpeg(const char* fileName);
  // Six pictures: +X, -X, +Y, -Y, +Z, -Z. A face that fails ends the load.
  bool LoadCubeMap(const std::array<const char*, 6>& faces);
  // An uncompressed 8, 24 or 32-bit TGA, uploaded without mipmaps.
  bool LoadTga(const char* fileName);
  // A black-and-white 2 x 2 checkerboard in the bound 2D texture.
  void MakePlaceholder();

  void Bind() const;
  void BindCubeMap() const;
  void Release();

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint32_t GlName() const { return glName_ == 0 ? 0 : glName_ - 1; }
  bool Empty() const { return glName_ == 0; }
  const std::string& Name() const { return name_; }

 private:
  std::uint32_t Generate(unsigned target);

  std::string name_;
  std::uint32_t glName_ = 0;  // GL name plus one
  int width_ = 0;
  int height_ = 0;
};

}  // namespace frost
