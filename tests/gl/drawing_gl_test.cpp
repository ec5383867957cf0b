// The renderer's drawing helpers against a real GL context: extensions, blur, soft disc, point
// probe and fade. Pixels are checked where they can be reasoned about.
#include <gtest/gtest.h>

#include <vector>

#include "geometry/camera.h"
#include "render/texture.h"
#include "render_gl_fixture.h"

namespace frost {
namespace {

using testing::ReadPixel;
using testing::RenderGl;

TEST_F(RenderGl, ExtensionsOfTheTestContextAreDetected) {
  const GLExtensions& gl = scene_->gl;
  EXPECT_TRUE(gl.multitexture);
  EXPECT_GE(gl.textureUnits, 2);
  EXPECT_TRUE(gl.cubeMap);
  EXPECT_TRUE(gl.generateMipmap);
  EXPECT_NE(gl.glActiveTextureARB, nullptr);
  EXPECT_EQ(gl.units[1], static_cast<std::uint32_t>(GL_TEXTURE0_ARB + 1));
  EXPECT_TRUE(gl.ActiveTexture(1));
  EXPECT_FALSE(gl.ActiveTexture(gl.textureUnits));
  EXPECT_TRUE(gl.ActiveTexture(0));
}

TEST_F(RenderGl, BlurRefusesOtherSizesAndLeavesTheFrameAlone) {
  glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  EXPECT_FALSE(scene_->gl.BlurTexture(100, 128, 5, 5, false));
  const auto pixel = ReadPixel(10, 10);
  EXPECT_NEAR(pixel[0], 51, 1);
  EXPECT_NEAR(pixel[1], 102, 1);
  EXPECT_NEAR(pixel[2], 153, 1);
}

TEST_F(RenderGl, BlurSpreadsABrightColumnOverSevenPixelsAtSixFifthsBrightness) {
  // A 128 x 128 target holding one white column at x = 64.
  Texture target;
  ASSERT_TRUE(target.CreateBlank(128, 128));
  std::vector<std::uint8_t> picture(128 * 128 * 3, 0);
  for (int y = 0; y < 128; ++y) {
    for (int c = 0; c < 3; ++c) picture[(y * 128 + 64) * 3 + c] = 255;
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 128, 128, GL_RGB, GL_UNSIGNED_BYTE, picture.data());
  glEnable(GL_TEXTURE_2D);
  ASSERT_TRUE(scene_->gl.BlurTexture(128, 128, 5, 5, true));
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);

  std::vector<std::uint8_t> result(128 * 128 * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, result.data());
  // Copies at -1.5 ... 3.5 pixels, alpha 0.2 each: half-pixel offsets share a texel between
  // two pixels. The horizontal pass gives 0.1, 0.2 x 5, 0.1 over x = 62 to 68; the vertical
  // pass of a column that is the same in every row scales it by 6/5 again.
  const int row = 64;
  const double expected[7] = {0.12, 0.24, 0.24, 0.24, 0.24, 0.24, 0.12};
  double sum = 0.0;
  for (int x = 0; x < 128; ++x) {
    const double value = result[(row * 128 + x) * 3] / 255.0;
    sum += value;
    if (x >= 62 && x <= 68) {
      EXPECT_NEAR(value, expected[x - 62], 0.02) << "x = " << x;
    } else {
      EXPECT_LT(value, 0.01) << "x = " << x;
    }
  }
  EXPECT_NEAR(sum, 1.2 * 1.2, 0.05);

  // The chain is built by the last copy alone: left switched on, every plain copy of the next
  // frame would rebuild it again. Without mip levels the result is filtered linearly.
  GLint generate = -1;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_GENERATE_MIPMAP_SGIS, &generate);
  EXPECT_EQ(generate, GL_FALSE);
  GLint minFilter = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
  EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
  glEnable(GL_TEXTURE_2D);
  ASSERT_TRUE(scene_->gl.BlurTexture(128, 128, 5, 5, true, false));
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
  EXPECT_EQ(minFilter, GL_LINEAR);
  glViewport(0, 0, 256, 256);
}

TEST_F(RenderGl, SoftDiscRimRunsClockwiseFromTheTop) {
  std::vector<GLfloat> feedback(4096);
  glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_2D, feedback.data());
  glRenderMode(GL_FEEDBACK);
  // Unit scale in a viewport of 256: the rim at radius 0.5 lands 64 pixels from the centre.
  scene_->gl.DrawSoftDisc(1.0f, 1.0f, 4, 0.2f, 1.0f);
  const GLint count = glRenderMode(GL_RENDER);
  ASSERT_GT(count, 0);
  // The fan comes first: triangles (centre, p(k), p(k+1)); p(k) is the second vertex of the
  // k-th triangle, read in window coordinates around the centre (128, 128).
  std::vector<std::pair<float, float>> rim;
  for (GLint i = 0; i < count && rim.size() < 4;) {
    ASSERT_EQ(feedback[i], static_cast<GLfloat>(GL_POLYGON_TOKEN));
    const int vertices = static_cast<int>(feedback[i + 1]);
    rim.emplace_back(feedback[i + 4] - 128.0f, feedback[i + 5] - 128.0f);
    i += 2 + 2 * vertices;
  }
  ASSERT_EQ(rim.size(), 4u);
  const float r = 0.5f * 0.2f * 128.0f;  // inner ring of the fan
  const std::pair<float, float> expected[4] = {{0, r}, {r, 0}, {0, -r}, {-r, 0}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(rim[k].first, expected[k].first, 0.01f) << k;
    EXPECT_NEAR(rim[k].second, expected[k].second, 0.01f) << k;
  }
}

TEST_F(RenderGl, ProbePointReadsThePixelUnderAVisiblePoint) {
  Camera camera(Vec4d(0, 0, 0, 1), Vec4d(1, 0, 0, 1), Vec4d(0, 0, 1, 1), 60, 1.0, 0.1, 100);
  camera.SetUpReference(Vec4d(0, 0, 1, 1));
  camera.Apply();
  // A white square straight ahead, 10 units away.
  glBegin(GL_QUADS);
  glVertex3f(10, -1, -1);
  glVertex3f(10, 1, -1);
  glVertex3f(10, 1, 1);
  glVertex3f(10, -1, 1);
  glEnd();
  int xy[2] = {-7, -7};
  float visible = -1.0f;
  EXPECT_TRUE(camera.ProbePoint(700, Vec4d(10, 0, 0, 1), xy, visible));
  EXPECT_EQ(xy[0], 128);
  EXPECT_EQ(xy[1], 128);
  EXPECT_EQ(visible, 1.0f);
  // On screen but dark.
  EXPECT_TRUE(camera.ProbePoint(700, Vec4d(10, 3, 3, 1), xy, visible));
  EXPECT_EQ(visible, 0.0f);
  // Threshold 0: every point on screen counts.
  EXPECT_TRUE(camera.ProbePoint(0, Vec4d(10, 3, 3, 1), xy, visible));
  EXPECT_EQ(visible, 1.0f);
  // Off to the side: not on screen, coordinates still written.
  EXPECT_FALSE(camera.ProbePoint(0, Vec4d(10, 50, 0, 1), xy, visible));
  EXPECT_EQ(visible, 0.0f);
  EXPECT_LT(xy[0], 0);
  // Behind the far plane.
  EXPECT_FALSE(camera.ProbePoint(0, Vec4d(200, 0, 0, 1), xy, visible));
  EXPECT_EQ(xy[0], 128);
  // Exactly on the viewport's left edge (x = 0) and its top edge (y = height): a projection
  // of one pixel per unit puts those points there without rounding.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-128, 128, -128, 128, 0.5, 50);
  glMatrixMode(GL_MODELVIEW);
  EXPECT_FALSE(camera.ProbePoint(0, Vec4d(10, 128, 0, 1), xy, visible));  // +Y is the left
  EXPECT_EQ(xy[0], 0);
  EXPECT_FALSE(camera.ProbePoint(0, Vec4d(10, 0, 128, 1), xy, visible));
  EXPECT_EQ(xy[1], 256);
  EXPECT_TRUE(camera.ProbePoint(0, Vec4d(10, 127, 127, 1), xy, visible));
}

TEST_F(RenderGl, FadeOverlayCoversTheFrameWithFallingAlpha) {
  // The scene clock is at some time t; a fade window around it gives a known alpha.
  const float t = static_cast<float>(scene_->ElapsedMs() * 0.001);
  const float black[3] = {0, 0, 0};
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  // Window [t - 2, t + 3]: 2/5 of the way in, so black with alpha 0.6 over white.
  ASSERT_TRUE(scene_->FadeOverlay(t - 2.0f, t + 3.0f, black, true, 1.0f));
  EXPECT_NEAR(ReadPixel(100, 100)[0], 102, 3);
  glClear(GL_COLOR_BUFFER_BIT);
  EXPECT_FALSE(scene_->FadeOverlay(t + 10.0f, t + 20.0f, black, true, 1.0f));
  EXPECT_FALSE(scene_->FadeOverlay(5.0f, 5.0f, black, true, 1.0f));
  EXPECT_EQ(ReadPixel(100, 100)[0], 255);
}

}  // namespace
}  // namespace frost
