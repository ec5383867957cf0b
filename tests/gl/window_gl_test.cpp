// The real SDL2 backend on a real X server (Xvfb): window, context, display modes, viewport.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "foreign_window.h"
#include "gl_context.h"
#include "scene/globe_scene.h"
#include "settings/display_modes.h"
#include "shell/preview.h"

namespace frost {

namespace {

using testing::Sdl;

class WindowGl : public ::testing::Test {
 protected:
  void SetUp() override { Sdl().messages.clear(); }
  void TearDown() override { EXPECT_TRUE(Sdl().messages.empty()) << Sdl().messages.front(); }
};

TEST_F(WindowGl, WindowedRunGetsTheRequestedDoubleBufferedContext) {
  GlobeScene scene("ZIRavar", 640, 480, 32, 60, false, 32, 0, 1);
  ASSERT_TRUE(scene.window.RegisterFullScreenClass());
  ASSERT_TRUE(scene.window.OpenWindow());
  ASSERT_NE(glGetString(GL_VERSION), nullptr);
  GLboolean doubleBuffered = GL_FALSE;
  glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
  EXPECT_TRUE(doubleBuffered);
  GLint depthBits = 0;
  GLint alphaBits = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
  EXPECT_GE(depthBits, 24);
  EXPECT_GE(alphaBits, 1);

  int width = 0;
  int height = 0;
  ASSERT_TRUE(Os().GetClientSize(scene.window.hwnd, width, height));
  EXPECT_EQ(width, 640);
  EXPECT_EQ(height, 480);
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 640);
  EXPECT_EQ(viewport[3], 480);

  // A zero height becomes a one-pixel-high viewport.
  scene.window.ResizeViewport(320, 0);
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 320);
  EXPECT_EQ(viewport[3], 1);
  scene.window.ResizeViewport(640, 480);

  // A whole frame in this context, without a GL error (its picture is the scene tests' matter).
  scene.Init();
  scene.Update();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  scene.Draw();
  scene.Stop();
  EXPECT_EQ(scene.window.hwnd, 0u);
  EXPECT_EQ(scene.window.hglrc, 0u);
}

TEST_F(WindowGl, VirtualServerOffersNoQualifyingMode) {
  DisplayModeRecord mode;
  ASSERT_TRUE(Os().EnumDisplayMode(0, mode)) << "the server offers its screen size";
  DisplayModeList list;
  list.Enumerate();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(Os().ChangeDisplayMode({-1, -1, -1, 0}));
  EXPECT_FALSE(
      Os().ChangeDisplayMode({static_cast<int>(mode.width), static_cast<int>(mode.height), 16, 0}));
}

TEST_F(WindowGl, FullScreenWindowCoversTheScreenAndCloses) {
  DisplayModeRecord mode;
  ASSERT_TRUE(Os().EnumDisplayMode(0, mode));
  GlobeScene scene("ZIRavar", 800, 600, 32, 60, true, 32, 0, 1);
  // The server's own mode at the hardware default frequency is one it accepts.
  scene.window.SetDisplayMode(static_cast<int>(mode.width), static_cast<int>(mode.height),
                              static_cast<int>(mode.bitsPerPixel), 0);
  ASSERT_TRUE(scene.window.RegisterFullScreenClass());
  ASSERT_TRUE(scene.window.OpenWindow());
  EXPECT_TRUE(scene.window.fullscreen);
  int width = 0;
  int height = 0;
  ASSERT_TRUE(Os().GetClientSize(scene.window.hwnd, width, height));
  EXPECT_EQ(width, static_cast<int>(mode.width));
  EXPECT_EQ(height, static_cast<int>(mode.height));
  scene.window.CloseWindow();
  EXPECT_EQ(scene.window.hwnd, 0u);
}

}  // namespace
}  // namespace frost

namespace frost {
namespace {

// The preview's projection spans integer halves of the parent's size; an odd width loses its
// odd pixel, as the panels' own previews do.
TEST(PreviewGl, ViewportIsTheParentAndTheProjectionItsIntegerHalves) {
  struct Size {
    int width, height, halfWidth, halfHeight;
  };
  for (const Size size : {Size{152, 112, 76, 56}, Size{153, 115, 76, 57}}) {
    testing::ForeignWindow parent(size.width, size.height);
    ASSERT_NE(parent.Handle(), 0u);
    GlobeScene scene("ZIRavar", 800, 600, 32, 60, true, 32, 0, 1);
    scene.ResetForPreview(size.width, size.height);
    ASSERT_TRUE(OpenPreviewWindow(scene, parent.Handle())) << size.width;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], size.width);
    EXPECT_EQ(viewport[3], size.height);
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[0], 2.0 / (2 * size.halfWidth), 1e-9) << size.width;
    EXPECT_NEAR(projection[5], 2.0 / (2 * size.halfHeight), 1e-9) << size.height;
    EXPECT_NEAR(projection[12], 0.0, 1e-9);  // symmetric about the centre
    // The clear colour is opaque red; the picture covers all of it once drawn.
    RenderPreviewFrame(scene);
    unsigned char corner[4] = {};
    glReadBuffer(GL_FRONT);
    glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, corner);
    glReadBuffer(GL_BACK);
    EXPECT_FALSE(corner[0] == 255 && corner[1] == 0 && corner[2] == 0) << "red shows through";
    ClosePreview(scene);
    EXPECT_EQ(scene.sceneTextures, nullptr);
  }
}

}  // namespace
}  // namespace frost
