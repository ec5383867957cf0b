#include "shell/main_loop.h"

#include "render/gl_errors.h"
#include "run/run_state.h"
#include "shell/music_control.h"
#include "shell/preview.h"

namespace frost {

bool SaverWindowProc(SceneBase& scene, const WindowEvent& event) {
  switch (event.kind) {
    case EventKind::Size:
      scene.window.ResizeViewport(event.width, event.height);
      // The preview's picture is drawn in pixels: a panel that changed size needs a projection
      // of the new size, or the picture is cropped or framed in red.
      if (g_run.mode == RunMode::Preview) FitPreviewPicture(scene);
      return true;
    case EventKind::KeyDown:
      // Only Escape ends the saver; every other key is ignored.
      if (event.key == kKeyEscape) g_run.quit = true;
      return true;
    case EventKind::KeyUp:
      return true;
    case EventKind::Close:
      // The teardown destroys the window, not this handler.
      g_run.quit = true;
      return true;
    case EventKind::SysCommand:
      // Neither another screen saver nor monitor power-saving may start while this one runs.
      return event.command == SysCommand::ScreenSave || event.command == SysCommand::MonitorPower;
    case EventKind::Activate:
      // Losing the focus keeps drawing; only minimising stops it.
      scene.window.SetActive(!event.minimized);
      return true;
    case EventKind::MouseMove:
      if (g_run.mode == RunMode::Preview) {
        // The preview gets no activation of its own: the first pointer movement starts it.
        scene.window.SetActive(true);
        return true;
      }
      return false;
    default:
      return false;
  }
}

int RunMainLoop(SceneBase& scene) {
  while (!g_run.quit) {
    WindowEvent event;
    if (Os().PeekEvent(event)) {
      if (event.kind == EventKind::Quit || event.kind == EventKind::Destroy ||
          event.kind == EventKind::Close) {
        g_run.quit = true;
        break;
      }
      if (!SaverWindowProc(scene, event)) Os().DefaultProcessing(event);
      continue;
    }
    if (g_run.mode == RunMode::Preview) {
      if (scene.window.IsActive()) RenderPreviewFrame(scene);
      continue;
    }
    if (!RunsScene(g_run.mode)) continue;
    if (scene.window.IsActive()) {
      scene.RenderFrame();
      ReportGlErrors("a frame");
    }
    // The music starts once, just after the first frame (or the first idle pass, when the
    // window is not active yet).
    if (g_run.musicStartPending) {
      g_run.musicStartPending = false;
      if (!StartMusic(scene)) return 0;
    }
  }
  if (g_run.mode == RunMode::Preview) {
    ClosePreview(scene);
    return 1;
  }
  StopMusic();
  scene.Stop();
  return 1;
}

}  // namespace frost
