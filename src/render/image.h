// Decoded pictures, and the JPEG reader that makes them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace frost {

// A decoded picture: rows top first, tightly packed, channels interleaved (grey, or R, G, B).
class Image {
 public:
  Image() = default;
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  virtual ~Image() { Release(); }
  virtual void Release() { pixels.reset(); }

  int bitsPerPixel = 0;
  int width = 0;
  int height = 0;
  int rowLength = 0;
  std::unique_ptr<std::uint8_t[]> pixels;
};

class JpegImage : public Image {
 public:
  // The largest picture we agree to decode: far beyond any texture a card takes, and small
  // enough that a forged header cannot make us ask for gigabytes.
  static constexpr std::int64_t kMaxPixels = 8192LL * 8192LL;

  // False for a missing, empty, truncated or corrupt file; the image is then empty.
  bool Load(const std::string& fileName);
};

}  // namespace frost
