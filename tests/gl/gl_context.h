// A real window and GL context on the test X server, shared by the GL tests.
#pragma once

#include <string>
#include <vector>

#include "platform/sdl/sdl_platform.h"
#include "scene/scene_base.h"

namespace frost::testing {

// Message boxes would wait for a person; the GL tests record them, and the files opened.
class RecordingSdlPlatform : public linux_host::SdlPlatform {
 public:
  MessageAnswer MessageBox(WindowHandle, const std::string& text, const std::string&,
                           MessageButtons buttons, MessageIcon) override;
  std::FILE* OpenFile(const std::string& path, const char* mode) override;

  std::vector<std::string> messages;
  std::vector<std::string> openModes;
};

RecordingSdlPlatform& Sdl();

// A windowed scene object with its context current; made once per test program.
class GlScene : public SceneBase {
 public:
  GlScene(int w, int h) : SceneBase("frostmote GL test", w, h, 32, 60, false, 32, 0, 1) {}
};

// The shared 256 x 256 context, opened on first use, with extensions detected.
GlScene& SharedContext();

}  // namespace frost::testing
