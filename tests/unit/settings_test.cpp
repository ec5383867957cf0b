#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>

#include "settings/saver_settings.h"
#include "support/fake_platform.h"

namespace frost {
namespace {

using testing::ReadFileBytes;
using testing::ScopedFakePlatform;
using testing::TempDir;
using testing::WriteFileBytes;

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override { os->settingsFile = dir.File("frostmote/config.cfg"); }
  std::string File() const { return dir.File("frostmote/config.cfg"); }
  void Write(const std::string& bytes) {
    std::filesystem::create_directories(dir.File("frostmote"));
    WriteFileBytes(File(), bytes);
  }
  SaverSettings Defaulted(const std::string& path = "default.mp3") {
    SaverSettings settings;
    SettingsStore::SetDefaults(settings);
    settings.mp3Path = path;
    return settings;
  }

  ScopedFakePlatform os;
  TempDir dir;
};

TEST_F(SettingsFile, DefaultsWithShortPathSaveAsFourteenBytes) {
  SaverSettings settings = Defaulted("C:\\a.mp3");
  ASSERT_TRUE(SettingsStore::Save("/opt/frostmote", settings));
  EXPECT_EQ(ReadFileBytes(File()), std::string("\x00\x01\x01\x00\x00\x00"
                                               "C:\\a.mp3",
                                               14));
  // Nothing is left behind beside it.
  EXPECT_FALSE(std::filesystem::exists(File() + ".new"));
}

TEST_F(SettingsFile, RoundTripKeepsEveryField) {
  SaverSettings settings;
  settings.displayModeIndex = 255;
  settings.audioSource = 4;
  settings.danceWithMusic = 0;
  settings.showFps = 1;
  settings.reservedFlag4 = 7;
  settings.reservedFlag5 = 9;
  settings.mp3Path = std::string(2042, 'x');
  ASSERT_TRUE(SettingsStore::Save("", settings));
  SaverSettings loaded = Defaulted();
  ASSERT_TRUE(SettingsStore::Load("", loaded));
  EXPECT_EQ(loaded.displayModeIndex, 255);
  EXPECT_EQ(loaded.audioSource, 4);
  EXPECT_EQ(loaded.danceWithMusic, 0);
  EXPECT_EQ(loaded.showFps, 1);
  EXPECT_EQ(loaded.reservedFlag4, 7);
  EXPECT_EQ(loaded.reservedFlag5, 9);
  EXPECT_EQ(loaded.mp3Path, settings.mp3Path);
}

// A file of any length loads: what it holds, and the record's values for what it lacks.
TEST_F(SettingsFile, EveryLengthLoadsWhatItHolds) {
  const std::string header("\x00\x01\x01\x00\x00\x00", 6);
  const struct {
    const char* name;
    std::string bytes;
    int mode, source, dance, fps;
    std::string path;
  } cases[] = {
      {"empty", "", 0, 1, 1, 0, "default.mp3"},
      {"two bytes", "\x03\x04", 3, 4, 1, 0, "default.mp3"},
      {"six bytes", std::string("\x02\x02\x00\x01\x00\x00", 6), 2, 2, 0, 1, ""},
      {"cut after 2048 bytes", header + std::string(5000, 'p'), 0, 1, 1, 0, std::string(2042, 'p')},
      {"zero byte ends the path", header + std::string("/a.mp3\0/b.mp3", 13), 0, 1, 1, 0, "/a.mp3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Write(c.bytes);
    SaverSettings settings = Defaulted();
    ASSERT_TRUE(SettingsStore::Load("", settings));
    EXPECT_EQ(settings.displayModeIndex, c.mode);
    EXPECT_EQ(settings.audioSource, c.source);
    EXPECT_EQ(settings.danceWithMusic, c.dance);
    EXPECT_EQ(settings.showFps, c.fps);
    EXPECT_EQ(settings.mp3Path, c.path);
  }
}

TEST_F(SettingsFile, MissingFileLeavesRecordUnchanged) {
  SaverSettings settings = Defaulted("mine.mp3");
  settings.showFps = 1;
  EXPECT_FALSE(SettingsStore::Load("", settings));
  EXPECT_EQ(settings.showFps, 1);
  EXPECT_EQ(settings.mp3Path, "mine.mp3");
}

// Whether taking write permission from a folder stops this process creating files in it. Root
// writes into read-only folders, and Windows ignores a folder's read-only attribute.
bool ReadOnlyFolderStopsWriting() {
#ifdef _WIN32
  return false;
#else
  return geteuid() != 0;
#endif
}

TEST_F(SettingsFile, FailedSaveKeepsThePreviousFile) {
  namespace fs = std::filesystem;
  Write("previous");
  if (ReadOnlyFolderStopsWriting()) {
    fs::permissions(dir.File("frostmote"), fs::perms::owner_write | fs::perms::group_write,
                    fs::perm_options::remove);
  } else {
    // The temporary's name taken by a folder, which nobody can open as a file.
    fs::create_directories(File() + ".new");
  }
  EXPECT_FALSE(SettingsStore::Save("", Defaulted("new.mp3")));
  fs::permissions(dir.File("frostmote"), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(ReadFileBytes(File()), "previous");
}

TEST_F(SettingsFile, SaveCreatesTheConfigurationFolder) {
  os->settingsFile = dir.File("deeper/still/config.cfg");
  ASSERT_TRUE(SettingsStore::Save("", Defaulted("a")));
  EXPECT_EQ(ReadFileBytes(dir.File("deeper/still/config.cfg")).size(), 7u);
}

TEST(SettingsBytes, PathWithZeroByteIsStoredUpToIt) {
  SaverSettings settings;
  settings.mp3Path = std::string("ab\0cd", 5);
  EXPECT_EQ(SettingsStore::Serialize(settings).size(), 8u);
}

TEST(InstallPath, MissingKeyFailsMissingValueSucceedsEmpty) {
  ScopedFakePlatform os;
  std::string path = "unchanged";
  os->installKey = {false, ""};
  EXPECT_FALSE(SettingsStore::ReadInstallPath(path));
  EXPECT_EQ(path, "unchanged");
  os->installKey = {true, ""};
  EXPECT_TRUE(SettingsStore::ReadInstallPath(path));
  EXPECT_EQ(path, "");
  // Folders longer than any fixed buffer come through whole.
  os->installKey = {true, "/" + std::string(1500, 'd')};
  EXPECT_TRUE(SettingsStore::ReadInstallPath(path));
  EXPECT_EQ(path.size(), 1501u);
}

}  // namespace
}  // namespace frost
