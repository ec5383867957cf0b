#pragma once

#include <cstdint>
#include <vector>

namespace frost::artgen {

// Display colour, 0 to 1 per channel; values outside are clamped only when written to a file,
// so shading can add light freely and let the writer clip it.
struct Colour {
  double r = 0.0;
  double g = 0.0;
  double b = 0.0;
};

constexpr Colour operator+(const Colour& a, const Colour& c) {
  return {a.r + c.r, a.g + c.g, a.b + c.b};
}
constexpr Colour operator*(const Colour& a, double s) {
  return {a.r * s, a.g * s, a.b * s};
}
constexpr Colour operator*(const Colour& a, const Colour& c) {
  return {a.r * c.r, a.g * c.g, a.b * c.b};
}
constexpr Colour Mix(const Colour& a, const Colour& c, double t) {
  return {a.r + (c.r - a.r) * t, a.g + (c.g - a.g) * t, a.b + (c.b - a.b) * t};
}
constexpr Colour Grey(double v) {
  return {v, v, v};
}

// An RGB picture, top row first, as the texture loader hands rows to OpenGL.
class Image {
 public:
  Image(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  Colour& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Colour& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  // Wrapping read, for pictures that repeat.
  const Colour& Wrapped(int x, int y) const;

  // Eight bits per channel, R, G, B interleaved, rounded and clamped.
  std::vector<std::uint8_t> ToRgb8() const;

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

// A box blur of the given radius in both directions, wrapping at the edges (for tiles).
Image BlurWrapped(const Image& source, int radius);

}  // namespace frost::artgen
