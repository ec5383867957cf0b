// Mode dispatch, start-up order and exit codes of the entry.
#include "shell/entry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "run/run_state.h"
#include "settings/saver_settings.h"
#include "support/fake_platform.h"
#include "support/mp3_writer.h"
#include "support/recording_scene.h"

namespace frost {
namespace {

using testing::RecordingScene;
using testing::ScopedFakePlatform;
using testing::TempDir;
using testing::WriteFileBytes;

class EntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    os->settingsFile = dir.File("config.cfg");
    os->displayModes = {{1280, 800, 32, 60}, {1024, 768, 32, 60}, {800, 600, 32, 75}};
  }
  ScopedFakePlatform os;
  TempDir dir;
  RecordingScene scene;
};

TEST_F(EntryTest, PasswordShowsItsMessageOwnedByTheGivenWindow) {
  os->commandLine = "frostmote /a 5678";
  EXPECT_EQ(SaverMain(scene, 0), 0);
  ASSERT_EQ(os->messages.size(), 1u);
  EXPECT_EQ(os->messages[0].text, "Sorry, password check is only\navailable on NT os's");
  EXPECT_EQ(os->messages[0].caption, "KV Saver");
  EXPECT_EQ(os->messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(os->messages[0].owner, 5678u);
  EXPECT_EQ(g_run.mode, RunMode::Password);
  EXPECT_FALSE(os->Called("RegisterWindowClass FullScreen"));
  EXPECT_EQ(scene.log, "");
}

TEST_F(EntryTest, ConfigureOpensNoWindowAndExitsZero) {
  for (const char* line : {"frostmote", "frostmote /c", "frostmote /c:99", "frostmote /x"}) {
    os->commandLine = line;
    EXPECT_EQ(SaverMain(scene, 0), 0) << line;
    EXPECT_EQ(g_run.mode, RunMode::Configure);
  }
  // The dialog reads the registry itself; the entry only shows it.
  EXPECT_EQ(os->calls, std::vector<std::string>(4, "RunModalDialog 101"))
      << "no registry read, no window class, no scene";
  EXPECT_EQ(os->dialogs[0].parent, 0u);
  EXPECT_EQ(os->dialogs[2].parent, 99u);
  os->commandLine = "frostmote /c";
  os->dialogResult = -1;  // whatever the dialog ends with, the program ends with 0
  EXPECT_EQ(SaverMain(scene, 0), 0);
  EXPECT_EQ(g_run.parent, os->foreground);
  EXPECT_EQ(os->dialogs.back().parent, os->foreground);
  os->commandLine = "frostmote /c 1234";
  SaverMain(scene, 0);
  EXPECT_EQ(g_run.parent, 1234u);
  EXPECT_EQ(os->dialogs.back().parent, 1234u);
}

TEST_F(EntryTest, FullScreenRunsTheSceneAndEndsWithOne) {
  os->commandLine = "\"/opt/my savers/frostmote\" /s";
  os->installKey = {true, dir.path()};
  // The default music, so that the run goes on past the first frame.
  std::filesystem::create_directories(dir.path() + "/scene/data");
  ASSERT_TRUE(
      testing::WriteMp3(dir.File("scene/data/endcreds.mp3"), testing::Sine(440.0, 0.3, 0.2)));
  os->idlePasses = 2;
  WindowEvent activate;
  activate.kind = EventKind::Activate;
  os->events = {activate};
  EXPECT_EQ(SaverMain(scene, 0x77), 1);
  EXPECT_EQ(g_run.mode, RunMode::FullScreen);
  EXPECT_EQ(g_run.parent, os->desktop);
  EXPECT_EQ(os->currentDirectory, dir.path());
  EXPECT_EQ(scene.log, "IUDUDS");
  // No config.cfg: defaults, the default music, and the first listed mode.
  EXPECT_EQ(g_settings.audioSource, 1);
  EXPECT_EQ(g_settings.danceWithMusic, 1);
  EXPECT_EQ(g_settings.mp3Path, dir.path() + "\\scene\\data\\endcreds.mp3");
  ASSERT_EQ(os->modeChanges.size(), 1u);
  EXPECT_EQ(os->modeChanges[0].width, 1024);
  EXPECT_EQ(os->modeChanges[0].frequency, 60u);
  EXPECT_LT(os->IndexOf("ReadInstallPathKey"), os->IndexOf("SetCurrentDirectory " + dir.path()));
  EXPECT_LT(os->IndexOf("RegisterWindowClass FullScreen"), os->IndexOf("ChangeDisplayMode"));
  EXPECT_EQ(os->calls.back(), "UnregisterWindowClass");
  EXPECT_FALSE(os->modeChanged);
}

TEST_F(EntryTest, StoredModeIndexPicksTheMode) {
  WriteFileBytes(dir.File("config.cfg"), std::string("\x01\x04\x00\x01\x00\x00", 6));
  os->commandLine = "frostmote -S";
  EXPECT_EQ(SaverMain(scene, 0), 1);
  ASSERT_EQ(os->modeChanges.size(), 1u);
  EXPECT_EQ(os->modeChanges[0].width, 800);
  EXPECT_EQ(os->modeChanges[0].frequency, 75u);
  EXPECT_EQ(g_settings.showFps, 1);
  EXPECT_EQ(g_settings.mp3Path, "");
}

TEST_F(EntryTest, IndexPastTheListAsksForAWindow) {
  WriteFileBytes(dir.File("config.cfg"), std::string("\x09\x01\x01\x00\x00\x00", 6));
  os->commandLine = "frostmote /s";
  os->answers = {MessageAnswer::No};
  EXPECT_EQ(SaverMain(scene, 0), 0);
  EXPECT_EQ(os->modeChanges[0].width, -1);
  ASSERT_EQ(os->messages.size(), 2u);
  EXPECT_EQ(os->messages[0].caption, "Pendrel");
  EXPECT_EQ(os->messages[1].text, "Program Will Now Close.");
  EXPECT_EQ(scene.log, "");
  EXPECT_EQ(os->calls.back(), "UnregisterWindowClass") << "what was made is released";
}

TEST_F(EntryTest, MissingKeyIsFatal) {
  os->commandLine = "frostmote /s";
  os->installKey = {false, ""};
  EXPECT_EQ(SaverMain(scene, 0), 0);
  ASSERT_EQ(os->messages.size(), 1u);
  EXPECT_EQ(os->messages[0].text, "Registry keys are missing\nPlease reinstall");
  EXPECT_EQ(os->messages[0].caption, "Fatal error");
  EXPECT_EQ(os->messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(os->messages[0].owner, 0u);
  EXPECT_FALSE(os->Called("RegisterWindowClass FullScreen"));
}

TEST_F(EntryTest, ClassRegistrationFailureIsFatalAfterItsOwnMessage) {
  os->commandLine = "frostmote /s";
  os->failing["RegisterWindowClass"] = true;
  EXPECT_EQ(SaverMain(scene, 0), 0);
  ASSERT_EQ(os->messages.size(), 2u);
  EXPECT_EQ(os->messages[0].text, "Failed To Register The Window Class.");
  EXPECT_EQ(os->messages[1].text, "Class registration failed");
  EXPECT_EQ(os->messages[1].caption, "Fatal error");
  EXPECT_EQ(os->messages[1].icon, MessageIcon::Error);
  EXPECT_FALSE(os->Called("CreateWindow"));
}

TEST_F(EntryTest, ContextFailureEndsWithZeroAfterReleasing) {
  os->commandLine = "frostmote /s";
  os->failing["MakeCurrent"] = true;
  EXPECT_EQ(SaverMain(scene, 0), 0);
  EXPECT_EQ(os->messages.back().text, "Can't Activate The GL Rendering Context.");
  EXPECT_TRUE(os->Called("DeleteContext"));
  EXPECT_TRUE(os->Called("DestroyWindow"));
  EXPECT_FALSE(os->modeChanged);
  EXPECT_TRUE(os->cursorVisible);
}

}  // namespace
}  // namespace frost
