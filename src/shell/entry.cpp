#include "shell/entry.h"

#include "run/run_state.h"
#include "settings/config_dialog.h"
#include "settings/display_modes.h"
#include "settings/saver_settings.h"
#include "shell/command_line.h"
#include "shell/main_loop.h"
#include "shell/preview.h"

namespace frost {
namespace {

void FatalError(const char* text) {
  TellUser(0, text, EntryTexts::kFatalCaption, MessageButtons::Ok, MessageIcon::Error);
}

WindowHandle ResolveParent(const ParsedCommandLine& parsed) {
  switch (parsed.parentKind) {
    case ParentKind::Desktop:
      return Os().DesktopWindow();
    case ParentKind::Foreground:
      return Os().ForegroundWindow();
    case ParentKind::Handle:
      return parsed.parent;
    case ParentKind::None:
      break;
  }
  return 0;
}

// The installation folder, the working directory and the settings: what every run of the
// scene needs first. False after the message.
bool PrepareSceneRun() {
  if (!SettingsStore::ReadInstallPath(g_installPath)) {
    FatalError(EntryTexts::kRegistryMissing);
    return false;
  }
  // Every data file is opened relative to the installation folder. A folder that cannot be
  // entered is not fatal here: the loaders fall back to their placeholders.
  Os().SetCurrentDirectory(g_installPath);

  // Defaults first, so that a config.cfg that is missing, or too short to hold every field,
  // leaves the fields it lacks at their defaults.
  SettingsStore::SetDefaults(g_settings);
  g_settings.mp3Path = SettingsStore::DefaultMusicPath(g_installPath);
  SettingsStore::Load(g_installPath, g_settings);
  return true;
}

// The scene inside a window another program owns (xscreensaver's), at that window's size and
// following it as it changes; or, with no window named, in a window of its own. The display
// mode and the cursor are never touched; the run ends when the window goes away.
int RunEmbedded(SceneBase& scene, WindowHandle parent) {
  if (!PrepareSceneRun()) return 0;
  int width = GlWindow::kFallbackWidth;
  int height = GlWindow::kFallbackHeight;
  if (parent != 0 && !Os().GetClientSize(parent, width, height)) {
    width = 0;  // no such window: the child cannot be made, and the user is told so
    height = 0;
  }
  scene.window.SetInstance(g_run.instance);
  if (!scene.window.RegisterFullScreenClass()) {
    FatalError(EntryTexts::kClassRegistration);
    return 0;
  }
  scene.window.fullscreen = false;
  scene.window.embedParent = parent;
  scene.followsWindowShape = true;
  scene.window.SetDisplayMode(width, height, GlWindow::kFallbackColorBits, 0);
  if (!scene.Start()) {
    scene.window.CloseWindow();
    return 0;
  }
  scene.window.SetActive(true);  // a child window gets no activation of its own
  return RunMainLoop(scene);
}

int RunFullScreen(SceneBase& scene) {
  if (!PrepareSceneRun()) return 0;

  const std::array<float, 4> mode = GetDisplayMode(g_settings.displayModeIndex);
  scene.window.SetInstance(g_run.instance);
  if (!scene.window.RegisterFullScreenClass()) {
    FatalError(EntryTexts::kClassRegistration);
    return 0;
  }
  scene.window.SetDisplayMode(static_cast<int>(mode[0]), static_cast<int>(mode[1]),
                              static_cast<int>(mode[2]), static_cast<int>(mode[3]));
  if (!scene.Start()) {
    scene.window.CloseWindow();
    return 0;
  }
  return RunMainLoop(scene);
}

}  // namespace

int SaverMain(SceneBase& scene, InstanceHandle instance) {
  g_run.instance = instance;
  const ParsedCommandLine parsed = ApplyXscreensaverWindow(ParseCommandLine(Os().CommandLine()),
                                                           Os().Environment("XSCREENSAVER_WINDOW"));
  g_run.mode = parsed.mode;
  g_run.parent = ResolveParent(parsed);

  switch (parsed.mode) {
    case RunMode::Configure:
      ShowConfigDialog(g_run.parent);
      return 0;
    case RunMode::Password:
      Os().MessageBox(g_run.parent, EntryTexts::kPassword, EntryTexts::kPasswordCaption,
                      MessageButtons::Ok, MessageIcon::Information);
      return 0;
    case RunMode::Preview:
      return RunPreview(scene, g_run.parent);
    case RunMode::FullScreen:
      return RunFullScreen(scene);
    case RunMode::Embedded:
      return RunEmbedded(scene, g_run.parent);
  }
  return 0;
}

}  // namespace frost
