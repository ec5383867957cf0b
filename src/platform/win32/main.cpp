// The Windows program entry: the module handle from the system, the command line read by the
// core itself, and the window procedure joined to the core's.
#include "platform/win32/win32_platform.h"
#include "scene/globe_scene.h"
#include "shell/entry.h"
#include "shell/main_loop.h"

namespace frost {

Platform& DefaultPlatform() {
  static win32::Win32Platform platform;
  return platform;
}

}  // namespace frost

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  auto& platform = static_cast<frost::win32::Win32Platform&>(frost::DefaultPlatform());
  platform.SetEventHandler([](const frost::WindowEvent& event) {
    return frost::SaverWindowProc(frost::TheScene(), event);
  });
  return frost::SaverMain(frost::TheScene(), reinterpret_cast<frost::InstanceHandle>(instance));
}
