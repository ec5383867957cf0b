#include "frame_pixels.h"

#include <algorithm>
#include <cstddef>

#include "render/gl.h"

namespace frost::capture {

std::vector<unsigned char> ReadFramePixels(int width, int height) {
  std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * 3 *
                                    static_cast<std::size_t>(height));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(pixels.begin() + static_cast<std::ptrdiff_t>(rowBytes * top),
                     pixels.begin() + static_cast<std::ptrdiff_t>(rowBytes * (top + 1)),
                     pixels.begin() + static_cast<std::ptrdiff_t>(rowBytes * bottom));
  }
  return pixels;
}

}  // namespace frost::capture
