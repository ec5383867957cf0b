#include "image.h"

#include <cmath>

namespace frost::artgen {
namespace {

std::uint8_t ToByte(double v) {
  const double scaled = std::round(v * 255.0);
  return static_cast<std::uint8_t>(scaled < 0.0 ? 0.0 : (scaled > 255.0 ? 255.0 : scaled));
}

int WrapIndex(int i, int n) {
  const int r = i % n;
  return r < 0 ? r + n : r;
}

}  // namespace

const Colour& Image::Wrapped(int x, int y) const {
  return At(WrapIndex(x, width_), WrapIndex(y, height_));
}

std::vector<std::uint8_t> Image::ToRgb8() const {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(pixels_.size() * 3);
  for (const Colour& c : pixels_) {
    bytes.push_back(ToByte(c.r));
    bytes.push_back(ToByte(c.g));
    bytes.push_back(ToByte(c.b));
  }
  return bytes;
}

Image BlurWrapped(const Image& source, int radius) {
  const int w = source.Width(), h = source.Height();
  const double weight = 1.0 / (2 * radius + 1);
  Image across(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Colour sum;
      for (int k = -radius; k <= radius; ++k) sum = sum + source.Wrapped(x + k, y);
      across.At(x, y) = sum * weight;
    }
  }
  Image result(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Colour sum;
      for (int k = -radius; k <= radius; ++k) sum = sum + across.Wrapped(x, y + k);
      result.At(x, y) = sum * weight;
    }
  }
  return result;
}

}  // namespace frost::artgen
