#include "settings/saver_settings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/platform.h"

namespace frost {

SaverSettings g_settings;
std::string g_installPath;

namespace SettingsStore {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

void SetDefaults(SaverSettings& settings) {
  settings.displayModeIndex = 0;
  settings.audioSource = static_cast<std::uint8_t>(AudioSource::Mp3File);
  settings.danceWithMusic = 1;
  settings.showFps = 0;
  settings.reservedFlag4 = 0;
  settings.reservedFlag5 = 0;
}

std::string Serialize(const SaverSettings& settings) {
  std::string bytes;
  bytes.reserve(kFlagBytes + settings.mp3Path.size());
  for (std::uint8_t field :
       {settings.displayModeIndex, settings.audioSource, settings.danceWithMusic, settings.showFps,
        settings.reservedFlag4, settings.reservedFlag5}) {
    bytes.push_back(static_cast<char>(field));
  }
  // The path is stored without terminator; a zero byte would end it on the next load.
  bytes.append(settings.mp3Path.c_str());
  return bytes;
}

void Deserialize(const std::string& bytes, SaverSettings& settings) {
  std::uint8_t* fields[kFlagBytes] = {&settings.displayModeIndex, &settings.audioSource,
                                      &settings.danceWithMusic,   &settings.showFps,
                                      &settings.reservedFlag4,    &settings.reservedFlag5};
  const std::size_t size = std::min(bytes.size(), kMaxFileBytes);
  for (std::size_t i = 0; i < kFlagBytes && i < size; ++i) {
    *fields[i] = static_cast<std::uint8_t>(bytes[i]);
  }
  if (size < kFlagBytes) return;  // no path part: the path keeps its value
  const std::string path = bytes.substr(kFlagBytes, size - kFlagBytes);
  settings.mp3Path = path.substr(0, path.find('\0'));
}

std::string DefaultMusicPath(const std::string& installPath) {
  std::string file = kDefaultMusicFile;
  std::replace(file.begin(), file.end(), '\\', Os().PathSeparator());
  return installPath + file;
}

std::string SettingsFilePath(const std::string& installPath) {
  return Os().SettingsFilePath(installPath);
}

bool Load(const std::string& installPath, SaverSettings& settings) {
  File file(Os().OpenFile(SettingsFilePath(installPath), "rb"));
  if (!file) return false;
  std::string bytes(kMaxFileBytes, '\0');
  const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
  bytes.resize(read);
  Deserialize(bytes, settings);
  return true;
}

bool Save(const std::string& installPath, const SaverSettings& settings) {
  namespace fs = std::filesystem;
  const std::string target = SettingsFilePath(installPath);
  const fs::path targetPath(target);
  std::error_code error;
  if (targetPath.has_parent_path()) fs::create_directories(targetPath.parent_path(), error);

  const std::string temporary = target + ".new";
  const std::string bytes = Serialize(settings);
  bool written = false;
  {
    std::FILE* raw = Os().OpenFile(temporary, "wb");
    if (raw == nullptr) return false;
    const bool complete = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
    const bool flushed = std::fflush(raw) == 0;
    const bool closed = std::fclose(raw) == 0;
    written = complete && flushed && closed;
  }
  if (written) {
    fs::rename(fs::path(temporary), targetPath, error);
    written = !error;
  }
  if (!written) fs::remove(fs::path(temporary), error);
  return written;
}

}  // namespace SettingsStore
}  // namespace frost
