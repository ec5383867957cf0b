// config.cfg as the user's disk may hold it: any bytes, any length.
#include <cstdint>
#include <string>

#include "fuzz_input_file.h"
#include "settings/saver_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  frost::testing::FakePlatform* platform = &frost::fuzzing::FuzzPlatform();
  static const std::string folder = [] {
    char name[] = "/tmp/frostmote-fuzz-settings-XXXXXX";
    return std::string(mkdtemp(name));
  }();
  platform->settingsFile = folder + "/config.cfg";
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  frost::testing::WriteFileBytes(platform->settingsFile, bytes);

  frost::SaverSettings loaded;
  frost::SettingsStore::SetDefaults(loaded);
  frost::SettingsStore::Load(folder, loaded);
  // Whatever was read saves and reads back to the same settings.
  if (!frost::SettingsStore::Save(folder, loaded)) __builtin_trap();
  frost::SaverSettings again;
  frost::SettingsStore::Load(folder, again);
  if (frost::SettingsStore::Serialize(again) != frost::SettingsStore::Serialize(loaded)) {
    __builtin_trap();
  }
  return 0;
}
