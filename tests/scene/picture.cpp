#include "picture.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace frost::scene_test {

Picture Picture::Load(const std::string& path, std::string* error) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  Picture picture;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
    if (error != nullptr) *error = path + ": " + image.message;
    return picture;
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) {
    if (error != nullptr) *error = path + ": " + image.message;
    png_image_free(&image);
    return picture;
  }
  picture.width_ = static_cast<int>(image.width);
  picture.height_ = static_cast<int>(image.height);
  picture.pixels_ = std::move(pixels);
  return picture;
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace frost::scene_test
