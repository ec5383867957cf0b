// The program's entry: one command line in, one run mode run, one exit code out.
#pragma once

#include "scene/scene_base.h"
#include "settings/saver_settings.h"

namespace frost {

// The texts the entry shows.
namespace EntryTexts {
inline constexpr const char* kRegistryMissing = "Registry keys are missing\nPlease reinstall";
inline constexpr const char* kFatalCaption = "Fatal error";
inline constexpr const char* kClassRegistration = "Class registration failed";
inline constexpr const char* kPassword = "Sorry, password check is only\navailable on NT os's";
inline constexpr const char* kPasswordCaption = "KV Saver";
}  // namespace EntryTexts

// Reads the command line, runs the mode it selects with `scene` as the scene object, and
// returns the exit code: 1 when a full-screen or preview run ended through its main loop,
// 0 in every other case.
int SaverMain(SceneBase& scene, InstanceHandle instance);

}  // namespace frost
