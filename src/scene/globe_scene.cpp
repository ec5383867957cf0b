#include "scene/globe_scene.h"

#include <GL/gl.h>

namespace frost {

namespace {
// Built by static initialisation, before the entry runs, and destroyed at process exit.
GlobeScene g_scene("ZIRavar", 800, 600, 32, 60, true, 32, 0, 1);
}  // namespace

GlobeScene& TheScene() {
  return g_scene;
}

void GlobeScene::Init() {
  // Black while the rest loads.
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  Os().SwapBuffers(hdc);
}

void GlobeScene::Update() {
  // Scene time counts from the first frame, however long the start-up took.
  if (!started_) {
    clock.Reset();
    started_ = true;
  }
  sceneTime_ = static_cast<float>(ElapsedMs() * 0.001);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GlobeScene::Draw() {
  Os().SwapBuffers(hdc);
}

void GlobeScene::Shutdown() {}

}  // namespace frost
