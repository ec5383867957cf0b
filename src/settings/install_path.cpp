#include "platform/platform.h"
#include "settings/saver_settings.h"

namespace frost::SettingsStore {

bool ReadInstallPath(std::string& installPath) {
  const InstallPathKey key = Os().ReadInstallPathKey();
  if (!key.keyOpened) return false;
  installPath = key.value;
  return true;
}

}  // namespace frost::SettingsStore
