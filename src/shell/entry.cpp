#include "shell/entry.h"

#include <cstdio>

#include "settings/config_dialog.h"
#include "settings/display_modes.h"
#include "settings/saver_settings.h"
#include "shell/command_line.h"
#include "shell/main_loop.h"
#include "shell/run_state.h"

namespace frost {
namespace {

void FatalError(const char* text) {
  Os().MessageBox(0, text, EntryTexts::kFatalCaption, MessageButtons::Ok, MessageIcon::Error);
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

int RunFullScreen(SceneBase& scene) {
  if (!SettingsStore::ReadInstallPath(g_installPath)) {
    FatalError(EntryTexts::kRegistryMissing);
    return 0;
  }
  // Every data file is opened relative to the installation folder. A folder that cannot be
  // entered is not fatal here: the loaders fall back to their placeholders.
  Os().SetCurrentDirectory(g_installPath);

  // Defaults first, so that a config.cfg that is missing, or too short to hold every field,
  // leaves the fields it lacks at their defaults.
  SettingsStore::SetDefaults(g_settings);
  g_settings.mp3Path = g_installPath + EntryTexts::kDefaultMusic;
  SettingsStore::Load(g_installPath, g_settings);

  const std::array<float, 4> mode = GetDisplayMode(g_settings.displayModeIndex);
  scene.SetInstance(g_run.instance);
  if (!scene.RegisterFullScreenClass()) {
    FatalError(EntryTexts::kClassRegistration);
    return 0;
  }
  scene.SetDisplayMode(static_cast<int>(mode[0]), static_cast<int>(mode[1]),
                       static_cast<int>(mode[2]), static_cast<int>(mode[3]));
  if (!scene.Start()) {
    scene.CloseWindow();
    return 0;
  }
  return RunMainLoop(scene);
}

}  // namespace

int SaverMain(SceneBase& scene, InstanceHandle instance) {
  g_run.instance = instance;
  const ParsedCommandLine parsed = ParseCommandLine(Os().CommandLine());
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
      std::fputs("frostmote: the preview is not available in this build\n", stderr);
      return 0;
    case RunMode::FullScreen:
      return RunFullScreen(scene);
  }
  return 0;
}

}  // namespace frost
