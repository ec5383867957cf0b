// The renderer's GL tests share one context (gl_context.h) and start each test from the same
// clean state in a 256 x 256 viewport.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "gl_context.h"
#include "render/gl.h"

namespace frost::testing {

inline std::array<std::uint8_t, 3> ReadPixel(int x, int y) {
  std::array<std::uint8_t, 3> rgb{};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

class RenderGl : public ::testing::Test {
 protected:
  void SetUp() override {
    scene_ = &SharedContext();
    glViewport(0, 0, 256, 256);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4f(1, 1, 1, 1);
  }
  void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }

  // Draws the bound 2D texture over the whole viewport, sampled without filtering.
  void DrawTextureNearest() {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    scene_->gl.DrawQuad(2.0f, 2.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
  }

  GlScene* scene_ = nullptr;
};

}  // namespace frost::testing
