#include "platform/sdl/linux_paths.h"

#include <gtest/gtest.h>

namespace frost::linux_host {
namespace {

TEST(InstallKey, ReadsThePathValueOfTheKey) {
  const InstallPathKey key = ParseInstallKey(
      "; comment\n[HKEY_LOCAL_MACHINE\\software\\Torvane\\ZADevor]\r\npath = /usr/share/x \r\n");
  EXPECT_TRUE(key.keyOpened);
  EXPECT_EQ(key.value, "/usr/share/x");
}

TEST(InstallKey, NamesCompareWithoutCase) {
  const InstallPathKey key =
      ParseInstallKey("[hkey_local_machine\\SOFTWARE\\torvane\\zadevor]\nPATH=/a b/c\n");
  EXPECT_TRUE(key.keyOpened);
  EXPECT_EQ(key.value, "/a b/c");
}

TEST(InstallKey, MissingSectionCannotBeOpenedMissingValueIsEmpty) {
  EXPECT_FALSE(ParseInstallKey("").keyOpened);
  EXPECT_FALSE(ParseInstallKey("[other]\npath=/x\n").keyOpened);
  const InstallPathKey empty =
      ParseInstallKey("[HKEY_LOCAL_MACHINE\\software\\Torvane\\ZADevor]\nother=1\n");
  EXPECT_TRUE(empty.keyOpened);
  EXPECT_EQ(empty.value, "");
  // A value in another section does not count.
  const InstallPathKey elsewhere =
      ParseInstallKey("[HKEY_LOCAL_MACHINE\\software\\Torvane\\ZADevor]\n[other]\npath=/x\n");
  EXPECT_EQ(elsewhere.value, "");
}

TEST(InstallKey, LivesBesideTheBinFolderOfAnyPrefixButUsr) {
  EXPECT_EQ(InstallKeyPath("/opt/frost/bin/frostmote"), "/opt/frost/etc/frostmote/install.reg");
  EXPECT_EQ(InstallKeyPath("/usr/local/bin/frostmote"), "/usr/local/etc/frostmote/install.reg");
  // The build tree is laid out as an installation.
  EXPECT_EQ(InstallKeyPath("/home/u/frostmote/build/bin/frostmote"),
            "/home/u/frostmote/build/etc/frostmote/install.reg");
  // Only /usr itself moves the key, not a folder that happens to be called usr.
  EXPECT_EQ(InstallKeyPath("/srv/usr/bin/frostmote"), "/srv/usr/etc/frostmote/install.reg");
}

TEST(InstallKey, SystemPackageKeepsItInEtc) {
  EXPECT_EQ(InstallKeyPath("/usr/bin/frostmote"), "/etc/frostmote/install.reg");
  EXPECT_EQ(InstallKeyPath("/usr//bin/./frostmote"), "/etc/frostmote/install.reg");
  EXPECT_EQ(InstallKeyPath("/usr/lib/../bin/frostmote"), "/etc/frostmote/install.reg");
  // A program in /bin has the root as its prefix, whose etc/ is /etc as well.
  EXPECT_EQ(InstallKeyPath("/bin/frostmote"), "/etc/frostmote/install.reg");
}

TEST(LinuxPaths, SettingsLiveInTheUsersConfigurationFolder) {
  EXPECT_EQ(SettingsFilePath("/x/cfg", "/home/u"), "/x/cfg/frostmote/config.cfg");
  EXPECT_EQ(SettingsFilePath(nullptr, "/home/u"), "/home/u/.config/frostmote/config.cfg");
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  EXPECT_EQ(SettingsFilePath("rel", "/home/u"), "/home/u/.config/frostmote/config.cfg");
  EXPECT_EQ(SettingsFilePath("", nullptr), "/tmp/.config/frostmote/config.cfg");
}

TEST(LinuxPaths, BackslashesSeparateFolders) {
  EXPECT_EQ(NativePath("/opt/frost\\scene\\data\\endcreds.mp3"),
            "/opt/frost/scene/data/endcreds.mp3");
}

}  // namespace
}  // namespace frost::linux_host
