// The Linux program entry: hands the command line to the backend and runs the saver.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/gtk/gtk_dialogs.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/x_server.h"
#include "scene/globe_scene.h"
#include "shell/entry.h"

namespace frost {

Platform& DefaultPlatform() {
  static linux_host::SdlPlatform platform;
  return platform;
}

}  // namespace frost

int main(int argc, char** argv) {
  // Every run mode draws on X11, so a start without an X server ends here, as a start that
  // cannot make its window does: told on standard error, and in a box where one can be shown.
  if (!frost::linux_host::XServerAnswers()) {
    const std::string text = frost::linux_host::NoXServerText(std::getenv("DISPLAY"));
    std::fprintf(stderr, "frostmote: %s\n", text.c_str());
    frost::linux_host::ShowNoXServerBoxWithGtk(text, "Frostmote");
    return 0;
  }
  auto& platform = static_cast<frost::linux_host::SdlPlatform&>(frost::DefaultPlatform());
  platform.SetArguments(argc, argv);
  return frost::SaverMain(frost::TheScene(), 0);
}
