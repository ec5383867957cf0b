// The camera and the solid models against a real GL context.
#include <gtest/gtest.h>

#include "geometry/camera.h"
#include "geometry/mesh.h"
#include "render_gl_fixture.h"

namespace frost {
namespace {

using testing::ReadPixel;
using testing::RenderGl;

TEST_F(RenderGl, CameraViewIsTheUtilityLookAt) {
  Camera camera(Vec4d(0, 0, 0, 1), Vec4d(1, 0, 0, 1), Vec4d(0, 0, 1, 1), 60, 4.0 / 3, 0.001, 150);
  camera.SetPosition(Vec4d(3, -2, 1.5, 1));
  camera.SetUpReference(Vec4d(0.05, -0.1, 1, 1));
  camera.LookAt(Vec4d(0, 0, 0.2, 1));
  camera.Apply();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(3, -2, 1.5, 3 + camera.dir.x, -2 + camera.dir.y, 1.5 + camera.dir.z, 0.05, -0.1, 1);
  GLdouble reference[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, reference);
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(camera.view.m[k], reference[k], 1e-6) << k;
}

class CountedMesh : public Mesh {
 public:
  ~CountedMesh() = default;
  bool Create() override { return Allocate(0) && Compile(); }
  bool TryAllocate(std::int32_t count) { return Allocate(count); }
};

TEST_F(RenderGl, MeshesCompileTheirListsAndRefuseIndicesOutsideThem) {
  SphereMesh sphere;
  ASSERT_TRUE(sphere.Create());
  EXPECT_EQ(sphere.listCount, 1);
  EXPECT_TRUE(glIsList(sphere.listBase));
  EXPECT_TRUE(sphere.Draw(0));
  EXPECT_FALSE(sphere.Draw(1));
  EXPECT_FALSE(sphere.Draw(-1));

  CentrepieceMesh centrepiece;
  ASSERT_TRUE(centrepiece.Create());
  EXPECT_EQ(centrepiece.listCount, 3);
  EXPECT_TRUE(centrepiece.Draw(2));
  EXPECT_FALSE(centrepiece.Draw(3));
  EXPECT_FALSE(centrepiece.Draw(-1));
  const GLuint base = centrepiece.listBase;
  centrepiece.Destroy();
  EXPECT_FALSE(glIsList(base));
  EXPECT_FALSE(glIsList(base + 2));
  EXPECT_EQ(centrepiece.listCount, 0);
  EXPECT_FALSE(centrepiece.Draw(0));

  CountedMesh empty;
  EXPECT_FALSE(empty.Create());
  EXPECT_FALSE(empty.TryAllocate(-2));
  EXPECT_EQ(empty.listBase, 0u);
  EXPECT_FALSE(empty.Draw(0));
}

TEST_F(RenderGl, SphereListDrawsAnInsideOutSphereOfRadiusHalf) {
  // Seen from outside with back faces culled, an inside-out sphere shows its far half only:
  // looking down -Z at it, the fragments drawn come from z < 0.
  SphereMesh sphere;
  ASSERT_TRUE(sphere.Create());
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -2, 2);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glClearDepth(1.0);
  glClear(GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT);
  glColor3f(1, 1, 1);
  sphere.Draw(0);
  float depth = 0.0f;
  glReadPixels(128, 128, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
  // Window depth of z = -0.5 under this projection: (0.5 / 2 + 1) / 2 = 0.625.
  EXPECT_NEAR(depth, 0.625f, 0.01f);
  EXPECT_EQ(ReadPixel(128, 128)[0], 255);
  EXPECT_EQ(ReadPixel(128 + 70, 128)[0], 0);  // outside radius 0.5 (64 pixels)
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
}

}  // namespace
}  // namespace frost
