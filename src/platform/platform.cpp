#include "platform/platform.h"

namespace frost {
namespace {
Platform* g_installed = nullptr;
}

Platform& Os() {
  return g_installed != nullptr ? *g_installed : DefaultPlatform();
}

Platform* SetPlatform(Platform* platform) {
  Platform* previous = g_installed;
  g_installed = platform;
  return previous;
}

}  // namespace frost
