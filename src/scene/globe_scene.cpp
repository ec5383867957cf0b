#include "scene/globe_scene.h"

#include "audio/music_stream.h"
#include "render/gl.h"
#include "render/solid_sphere.h"
#include "scene/data_files.h"
#include "settings/saver_settings.h"

namespace frost {

namespace {
// Built by static initialisation, before the entry runs, and destroyed at process exit.
GlobeScene g_scene("ZIRavar", 800, 600, 32, 60, true, 32, 0, 1);
}  // namespace

GlobeScene& TheScene() {
  return g_scene;
}

GlobeScene::~GlobeScene() {
  // Normally Shutdown released everything while the context existed; these find nothing left.
  centrepieceMesh.Destroy();
  sphereMesh.Destroy();
}

void GlobeScene::Init() {
  gl.Detect();
  // Black while the rest loads.
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  Os().SwapBuffers(window.hdc);

  sceneTextures = std::make_unique<Texture[]>(Slot::kCount);
  Texture* slots = sceneTextures.get();
  slots[Slot::kGlassCube].LoadCubeMap(data_files::kGlassCube);
  slots[Slot::kCentrepieceCube].LoadCubeMap(data_files::kCentrepieceCube);
  slots[Slot::kGlow].CreateBlank(128, 128);
  for (int slot : {Slot::kSoftSprite, Slot::kSnowflake}) {
    slots[slot].LoadJpeg(slot == Slot::kSoftSprite ? data_files::kGlowSprite
                                                   : data_files::kSnowflake);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  }
  slots[Slot::kGlass].LoadJpeg(data_files::kFrostGlass);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  for (int face = 0; face < 6; ++face) {
    slots[Slot::kSkyUp + face].LoadJpeg(data_files::kSkyFaces[face]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  }
  slots[Slot::kGround].LoadJpeg(data_files::kGround);
  slots[Slot::kGroundDetail].LoadJpeg(data_files::kGroundDetail);

  sphereMesh.Create();
  centrepieceMesh.Create();

  // The outer glass shell, compiled once.
  shellList_ = glGenLists(1);
  glNewList(shellList_, GL_COMPILE);
  DrawSolidSphere(0.5, 40, 40);
  glEndList();
}

void GlobeScene::Update() {
  // Scene time counts from the first frame, however long the start-up took.
  if (!started_) {
    clock.Reset();
    started_ = true;
  }
  const float t = static_cast<float>(ElapsedMs() * 0.001);
  sceneTime_ = t;
  // The music fades in with the picture: 0 to 249 over five seconds.
  if (t < 5.0f) SetMusicVolume(static_cast<int>(t * 50.0f));
  ComposeFrame(t);
  const float black[3] = {0.0f, 0.0f, 0.0f};
  if (fadeIn) FadeOverlay(0.0f, 5.0f, black, true, 1.0f);
  glEnable(GL_TEXTURE_2D);
}

void GlobeScene::Draw() {
  if (g_settings.showFps != 0) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE_MINUS_DST_COLOR, GL_ONE_MINUS_SRC_ALPHA);
    glFinish();
    UpdateFps();
    PrintNumber(0, 20, 0.75f, "fps", fps);
    glDisable(GL_BLEND);
  }
  Os().SwapBuffers(window.hdc);
}

void GlobeScene::Shutdown() {
  if (sceneTextures) {
    for (int slot = 0; slot < Slot::kCount; ++slot) sceneTextures[slot].Release();
    sceneTextures.reset();
  }
  // The meshes, the shell and the font go too while the context still exists.
  centrepieceMesh.Destroy();
  sphereMesh.Destroy();
  if (shellList_ != 0) glDeleteLists(shellList_, 1);
  shellList_ = 0;
  if (fontListBase != 0) glDeleteLists(fontListBase, 96);
  fontListBase = 0;
  fontTexture.Release();
}

Mat4d GlobeScene::Billboard() const {
  Mat4d b = Mat4d::Identity();
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) b.At(i, j) = camera.view.At(j, i);
  }
  return b;
}

}  // namespace frost
