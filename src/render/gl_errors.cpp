#include "render/gl_errors.h"

#include <cstdio>

#include "render/gl.h"

namespace frost {

namespace {
constexpr int kLinesShown = 10;
int g_reported = 0;
}  // namespace

int ReportGlErrors(const char* where) {
  int pending = 0;
  // Bounded: without a context glGetError may keep answering with the same error.
  for (int i = 0; i < 16; ++i) {
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR) break;
    ++pending;
    ++g_reported;
    if (g_reported <= kLinesShown) {
      std::fprintf(stderr, "frostmote: OpenGL error 0x%04x after %s\n", error, where);
    } else if (g_reported == kLinesShown + 1) {
      std::fprintf(stderr, "frostmote: further OpenGL errors are not shown\n");
    }
  }
  return pending;
}

}  // namespace frost
