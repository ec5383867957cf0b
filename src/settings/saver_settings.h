// The user's settings and their file, config.cfg.
#pragma once

#include <cstdint>
#include <string>

namespace frost {

enum class AudioSource : std::uint8_t { Mp3File = 1, AudioCd = 2, NoSound = 4 };

// The user's choices, in config.cfg order: six bytes, then the MP3 path to the end of the file.
// `audioSource` stays a raw byte: the file may hold values outside the enumeration, and the
// music control decides what those mean.
struct SaverSettings {
  std::uint8_t displayModeIndex = 0;
  std::uint8_t audioSource = 0;
  std::uint8_t danceWithMusic = 0;
  std::uint8_t showFps = 0;
  std::uint8_t reservedFlag4 = 0;
  std::uint8_t reservedFlag5 = 0;
  std::string mp3Path;
};

namespace SettingsStore {

// The music both the full-screen run and the dialog fall back on, after the installation folder.
inline constexpr const char* kDefaultMusicFile = "\\scene\\data\\endcreds.mp3";
// The installation folder and the default music, with the host's own folder separator.
std::string DefaultMusicPath(const std::string& installPath);

// How much of config.cfg is read; the path part is what follows the six flag bytes.
inline constexpr std::size_t kMaxFileBytes = 2048;
inline constexpr std::size_t kFlagBytes = 6;

// The six byte fields to 0, 1, 1, 0, 0, 0; the path is left alone.
void SetDefaults(SaverSettings& settings);

// The text of config.cfg for these settings, byte for byte.
std::string Serialize(const SaverSettings& settings);
// Applies the bytes of a config.cfg to the record. Only what the bytes hold is changed, so a
// file shorter than the six flag bytes keeps the caller's values for the fields it lacks.
void Deserialize(const std::string& bytes, SaverSettings& settings);

// config.cfg for this installation folder (where the backend keeps it).
std::string SettingsFilePath(const std::string& installPath);

// False when the file cannot be opened; the record is then unchanged.
bool Load(const std::string& installPath, SaverSettings& settings);
// Writes a temporary file beside config.cfg and renames it over the old one, so a failed or
// interrupted save leaves the previous file intact. False on any failure.
bool Save(const std::string& installPath, const SaverSettings& settings);

// The installation folder from the install-path key. False only when the key cannot be
// opened; a key without the value gives an empty folder and true.
bool ReadInstallPath(std::string& installPath);

}  // namespace SettingsStore

// The process-wide record and installation folder.
extern SaverSettings g_settings;
extern std::string g_installPath;

}  // namespace frost
