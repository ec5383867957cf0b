#include "shell/preview.h"

#include "render/gl.h"
#include "run/run_state.h"
#include "settings/saver_settings.h"
#include "shell/entry.h"
#include "shell/main_loop.h"

namespace frost {

bool OpenPreviewWindow(SceneBase& scene, WindowHandle parent) {
  // Size messages during creation may change the fields; the parent's size is what counts.
  const int width = scene.window.width;
  const int height = scene.window.height;
  if (!scene.window.OpenChildWindow(parent)) return false;
  scene.window.width = width;
  scene.window.height = height;

  scene.gl.Detect();
  scene.sceneTextures = std::make_unique<Texture[]>(1);
  Texture& picture = scene.sceneTextures[0];
  picture.LoadJpeg(kPreviewPicture);  // a picture that cannot be read leaves the placeholder
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glViewport(0, 0, width, height);
  glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
  FitPreviewPicture(scene);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  picture.Bind();
  glEnable(GL_TEXTURE_2D);
  return true;
}

void FitPreviewPicture(const SceneBase& scene) {
  // Integer halves: 153 pixels give -76 to 76, as the panel's own previews do.
  const int width = scene.window.width;
  const int height = scene.window.height;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-(width / 2), width / 2, -(height / 2), height / 2, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
}

void RenderPreviewFrame(SceneBase& scene) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  // The negative height puts the picture's first row along the top edge.
  scene.gl.DrawQuad(static_cast<float>(scene.window.width),
                    -static_cast<float>(scene.window.height));
  Os().SwapBuffers(scene.window.hdc);
}

void ClosePreview(SceneBase& scene) {
  if (scene.sceneTextures) {
    scene.sceneTextures[0].Release();
    scene.sceneTextures.reset();
  }
  scene.window.CloseWindow();
}

int RunPreview(SceneBase& scene, WindowHandle parent) {
  int width = 0;
  int height = 0;
  if (parent == 0 || !Os().GetClientSize(parent, width, height)) {
    width = 0;
    height = 0;
  }
  scene.ResetForPreview(width, height);
  scene.window.SetInstance(g_run.instance);
  if (!scene.window.RegisterPreviewClass()) {
    Os().MessageBox(0, EntryTexts::kClassRegistration, EntryTexts::kFatalCaption,
                    MessageButtons::Ok, MessageIcon::Error);
    return 0;
  }
  if (!SettingsStore::ReadInstallPath(g_installPath)) {
    Os().MessageBox(0, EntryTexts::kRegistryMissing, EntryTexts::kFatalCaption, MessageButtons::Ok,
                    MessageIcon::Error);
    return 0;
  }
  Os().SetCurrentDirectory(g_installPath);
  if (!OpenPreviewWindow(scene, parent)) {
    scene.window.CloseWindow();
    return 0;
  }
  // The child window gets no activation of its own, and a panel's preview should show at once
  // rather than wait for the pointer to pass over it.
  scene.window.SetActive(true);
  return RunMainLoop(scene);
}

}  // namespace frost
