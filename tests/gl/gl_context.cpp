#include "gl_context.h"

#include <cstdlib>

namespace frost {

Platform& DefaultPlatform() {
  static testing::RecordingSdlPlatform platform;
  return platform;
}

namespace testing {

MessageAnswer RecordingSdlPlatform::MessageBox(WindowHandle, const std::string& text,
                                               const std::string&, MessageButtons buttons,
                                               MessageIcon) {
  messages.push_back(text);
  return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::FILE* RecordingSdlPlatform::OpenFile(const std::string& path, const char* mode) {
  openModes.push_back(mode);
  return SdlPlatform::OpenFile(path, mode);
}

RecordingSdlPlatform& Sdl() {
  return static_cast<RecordingSdlPlatform&>(DefaultPlatform());
}

GlScene& SharedContext() {
  static GlScene* scene = [] {
    auto* made = new GlScene(256, 256);
    if (!made->window.RegisterFullScreenClass() || !made->window.OpenWindow()) std::abort();
    made->gl.Detect();
    return made;
  }();
  return *scene;
}

}  // namespace testing
}  // namespace frost
