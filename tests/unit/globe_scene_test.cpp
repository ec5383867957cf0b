#include "scene/globe_scene.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace frost {
namespace {

using testing::ScopedFakePlatform;

TEST(GlobeScene, SceneTimeStartsAtTheFirstFrameNotAtConstruction) {
  ScopedFakePlatform os;
  os->frequency = 1000;
  GlobeScene scene("ZIRavar", 800, 600, 32, 60, true, 32, 0, 1);
  os->counter = 7000;  // a slow start-up
  scene.Update();
  EXPECT_FLOAT_EQ(scene.SceneTime(), 0.0f);
  os->counter += 2500;
  scene.Update();
  EXPECT_FLOAT_EQ(scene.SceneTime(), 2.5f);
}

TEST(GlobeScene, InitShowsBlackOnceAndEveryDrawPresentsAFrame) {
  ScopedFakePlatform os;
  GlobeScene scene("ZIRavar", 800, 600, 32, 60, true, 32, 0, 1);
  scene.Init();
  EXPECT_EQ(os->swaps, 1);
  scene.RenderFrame();
  scene.RenderFrame();
  EXPECT_EQ(os->swaps, 3);
  scene.Shutdown();
}

TEST(GlobeScene, TheProcessHasOneBuiltForFullScreen) {
  GlobeScene& scene = TheScene();
  EXPECT_EQ(&scene, &TheScene());
  EXPECT_STREQ(scene.title, "ZIRavar");
  EXPECT_EQ(scene.width, 800);
  EXPECT_EQ(scene.height, 600);
  EXPECT_EQ(scene.colorBits, 32);
  EXPECT_EQ(scene.refreshRate, 60);
  EXPECT_TRUE(scene.fullscreen);
  EXPECT_EQ(scene.depthBits, 32);
  EXPECT_EQ(scene.stencilBits, 0);
  EXPECT_EQ(scene.alphaBits, 1);
  EXPECT_FALSE(scene.IsActive());
}

}  // namespace
}  // namespace frost
