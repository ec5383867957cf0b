// A captured frame as the capture tool wrote it: 8-bit RGB, rows from the top of the window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace frost::scene_test {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;

  // Rec. 601 weights: what the eye calls brightness, in 0 to 255.
  double Luma() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

class Picture {
 public:
  // Empty, with `error` set, when the file is missing or not an image.
  static Picture Load(const std::string& path, std::string* error);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }
  Rgb At(int x, int y) const {
    const std::size_t i = 3 * (static_cast<std::size_t>(y) * width_ + x);
    return {pixels_[i], pixels_[i + 1], pixels_[i + 2]};
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

// The file's bytes, empty when it cannot be read.
std::vector<std::uint8_t> FileBytes(const std::string& path);

}  // namespace frost::scene_test
