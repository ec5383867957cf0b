#include "platform/sdl/install_key.h"

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

TEST(InstallKey, LivesBesideTheBinFolder) {
  EXPECT_EQ(InstallKeyPath("/opt/frost/bin/frostmote"), "/opt/frost/etc/frostmote/install.reg");
}

}  // namespace
}  // namespace frost::linux_host
