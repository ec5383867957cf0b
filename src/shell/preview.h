// The preview: a still picture of the saver inside the settings panel's little window.
#pragma once

#include "platform/platform.h"
#include "scene/scene_base.h"

namespace frost {

inline constexpr const char* kPreviewPicture = "scene/data/splash.jpg";

// A child window covering `parent`'s client area, its GL context, and the picture loaded and
// set up to fill it. False after one failure message.
bool OpenPreviewWindow(SceneBase& scene, WindowHandle parent);
// The projection that makes the picture fill the window at the scene's current size.
void FitPreviewPicture(const SceneBase& scene);
// Draws the picture once and shows it.
void RenderPreviewFrame(SceneBase& scene);
// Releases the picture, then the window.
void ClosePreview(SceneBase& scene);

// The whole preview run; returns the exit code.
int RunPreview(SceneBase& scene, WindowHandle parent);

}  // namespace frost
