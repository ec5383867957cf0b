#include "frame_pixels.h"

#include "render/gl.h"

namespace frost::capture {

std::vector<unsigned char> ReadFramePixels(int width, int height) {
  std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * 3 *
                                    static_cast<std::size_t>(height));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

}  // namespace frost::capture
