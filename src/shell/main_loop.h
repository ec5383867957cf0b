// The main loop and the window procedure of the scene's runs.
#pragma once

#include "platform/platform.h"
#include "scene/scene_base.h"

namespace frost {

// The window procedure shared by the full-screen and preview windows. Returns false for
// events that get the OS's default processing.
bool SaverWindowProc(SceneBase& scene, const WindowEvent& event);

// Drains the event queue without waiting and draws a frame on every idle pass while the
// window is active, until Escape or a close request; then tears down. Returns the exit code.
int RunMainLoop(SceneBase& scene);

}  // namespace frost
