// The two runs inside another program's window: the preview's still picture in a settings
// panel, and the whole scene in xscreensaver's window.
#include <gtest/gtest.h>

#include <filesystem>

#include "run/run_state.h"
#include "settings/saver_settings.h"
#include "shell/entry.h"
#include "support/fake_platform.h"
#include "support/mp3_writer.h"
#include "support/recording_scene.h"

namespace frost {
namespace {

using testing::RecordingScene;
using testing::ScopedFakePlatform;
using testing::TempDir;

constexpr WindowHandle kPanel = 0x3a00011;

class ForeignWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    os->settingsFile = dir.File("config.cfg");
    os->installKey = {true, dir.path()};
    os->foreignSizes[kPanel] = {152, 112};
  }
  WindowEvent Destroyed() {
    WindowEvent event;
    event.kind = EventKind::Destroy;
    return event;
  }
  ScopedFakePlatform os;
  TempDir dir;
  RecordingScene scene;
};

TEST_F(ForeignWindowTest, PreviewIsAChildOfThePanelWindowAndRunsNoScene) {
  os->commandLine = "frostmote /p " + std::to_string(kPanel);
  // The panel closes: its window, and the preview's inside it, go away.
  os->events = {Destroyed()};
  EXPECT_EQ(SaverMain(scene, 0x77), 1);
  EXPECT_EQ(g_run.mode, RunMode::Preview);
  ASSERT_EQ(os->windows.size(), 1u);
  const WindowRequest& child = os->windows[0];
  EXPECT_EQ(child.style, WindowStyle::Child);
  EXPECT_EQ(child.title, "OpenGL");
  EXPECT_EQ(child.parent, kPanel);
  EXPECT_EQ(child.width, 152);
  EXPECT_EQ(child.height, 112);
  EXPECT_EQ(child.pixelFormat.colorBits, 32);
  EXPECT_EQ(child.pixelFormat.alphaBits, 0);
  EXPECT_EQ(child.pixelFormat.depthBits, 32);
  EXPECT_EQ(child.pixelFormat.stencilBits, 0);
  EXPECT_TRUE(os->Called("RegisterWindowClass Preview"));
  EXPECT_EQ(os->currentDirectory, dir.path());
  // No scene, no music, no settings, no display mode, no cursor.
  EXPECT_EQ(scene.log, "");
  EXPECT_FALSE(os->Called("OpenAudioOutput 44100"));
  EXPECT_FALSE(os->Called("ChangeDisplayMode"));
  EXPECT_FALSE(os->Called("HideCursor"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("config.cfg")));
  EXPECT_FALSE(scene.window.fullscreen);
  EXPECT_EQ(scene.sceneTextures, nullptr);  // the picture was released
  EXPECT_EQ(os->calls.back(), "UnregisterWindowClass");
}

TEST_F(ForeignWindowTest, PreviewDrawsOnIdlePassesFromTheStart) {
  os->commandLine = "frostmote /p " + std::to_string(kPanel);
  os->idlePasses = 4;  // then the fake presses Escape, which the loop ends on
  EXPECT_EQ(SaverMain(scene, 0), 1);
  EXPECT_GE(os->swaps, 4);
  EXPECT_EQ(scene.log, "");
}

TEST_F(ForeignWindowTest, PreviewWithoutAWindowToDrawInEndsAfterTheCreationError) {
  for (const char* line : {"frostmote /p", "frostmote /p scrprev", "frostmote /p 0"}) {
    os->messages.clear();
    g_run = RunState{};
    os->commandLine = line;
    EXPECT_EQ(SaverMain(scene, 0), 0) << line;
    ASSERT_EQ(os->messages.size(), 1u) << line;
    EXPECT_EQ(os->messages[0].text, "Window Creation Error.");
    EXPECT_EQ(os->messages[0].caption, "ERROR");
    EXPECT_EQ(os->messages[0].icon, MessageIcon::Exclamation);
  }
}

TEST_F(ForeignWindowTest, PreviewWithoutTheKeyFileIsFatal) {
  os->commandLine = "frostmote /p " + std::to_string(kPanel);
  os->installKey = {};
  EXPECT_EQ(SaverMain(scene, 0), 0);
  ASSERT_EQ(os->messages.size(), 1u);
  EXPECT_EQ(os->messages[0].text, "Registry keys are missing\nPlease reinstall");
  EXPECT_EQ(os->messages[0].caption, "Fatal error");
  EXPECT_TRUE(os->windows.empty());
}

TEST_F(ForeignWindowTest, XscreensaverWindowRunsTheSceneAtItsSizeWithoutTouchingTheScreen) {
  std::filesystem::create_directories(dir.path() + "/scene/data");
  ASSERT_TRUE(
      testing::WriteMp3(dir.File("scene/data/endcreds.mp3"), testing::Sine(330.0, 0.3, 0.2)));
  os->foreignSizes[kPanel] = {640, 400};
  for (const std::string& how : {std::string("-window-id 0x3a00011"), std::string("-root")}) {
    os->windows.clear();
    os->calls.clear();
    scene.log.clear();
    g_run = RunState{};  // one run per process, really
    os->commandLine = "frostmote " + how;
    if (how == "-root") os->environment["XSCREENSAVER_WINDOW"] = "60817425";  // 0x3a00011
    os->idlePasses = 2;
    os->events = {};
    EXPECT_EQ(SaverMain(scene, 0), 1) << how;
    EXPECT_EQ(g_run.mode, RunMode::Embedded);
    ASSERT_EQ(os->windows.size(), 1u);
    EXPECT_EQ(os->windows[0].style, WindowStyle::Child);
    EXPECT_EQ(os->windows[0].parent, kPanel);
    EXPECT_EQ(os->windows[0].width, 640);
    EXPECT_EQ(os->windows[0].height, 400);
    // Drawn from the first idle pass, without waiting for an activation, and with music.
    EXPECT_EQ(scene.log.substr(0, 3), "IUD") << how;
    EXPECT_TRUE(os->Called("OpenAudioOutput 44100"));
    EXPECT_FALSE(os->Called("ChangeDisplayMode"));
    EXPECT_FALSE(os->Called("HideCursor"));
    EXPECT_FALSE(os->Called("ShowCursor"));
    EXPECT_TRUE(os->messages.empty());
  }
}

// Nobody could see a box under the daemon's window, or answer it: the daemon's log gets the
// messages, whichever of them it is.
TEST_F(ForeignWindowTest, XscreensaverRunsTellTheirFailuresOnStandardError) {
  os->foreignSizes[kPanel] = {-1, -1};
  os->commandLine = "frostmote -window-id 0x3a00011";
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(SaverMain(scene, 0), 0);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "ERROR: Window Creation Error.\n");
  EXPECT_EQ(scene.log, "");

  g_run = RunState{};
  os->installKey = {};
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(SaverMain(scene, 0), 0);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Fatal error: Registry keys are missing\nPlease reinstall\n");
  EXPECT_TRUE(os->messages.empty());
}

}  // namespace
}  // namespace frost
