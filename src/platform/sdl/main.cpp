// The Linux program entry: hands the command line to the backend and runs the saver.
#include "platform/sdl/sdl_platform.h"
#include "scene/globe_scene.h"
#include "shell/entry.h"

namespace frost {

Platform& DefaultPlatform() {
  static linux_host::SdlPlatform platform;
  return platform;
}

}  // namespace frost

int main(int argc, char** argv) {
  auto& platform = static_cast<frost::linux_host::SdlPlatform&>(frost::DefaultPlatform());
  platform.SetArguments(argc, argv);
  return frost::SaverMain(frost::TheScene(), 0);
}
