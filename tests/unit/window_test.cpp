// Opening and closing the window, display mode and GL context, against the fake platform.
#include <gtest/gtest.h>

#include <ostream>

#include "scene/scene_base.h"
#include "support/fake_platform.h"
#include "support/recording_scene.h"

namespace frost {
namespace {

using testing::FakePlatform;
using testing::RecordingScene;
using testing::ScopedFakePlatform;

class WindowTest : public ::testing::Test {
 protected:
  ScopedFakePlatform os;
  RecordingScene scene;
};

TEST_F(WindowTest, FullScreenChangesModeHidesCursorAndMakesPopup) {
  scene.window.SetDisplayMode(1024, 768, 24, 75);
  ASSERT_TRUE(scene.window.OpenWindow());
  ASSERT_EQ(os->modeChanges.size(), 1u);
  EXPECT_EQ(os->modeChanges[0].width, 1024);
  EXPECT_EQ(os->modeChanges[0].height, 768);
  EXPECT_EQ(os->modeChanges[0].colorBits, 24);
  EXPECT_EQ(os->modeChanges[0].frequency, 75u);
  EXPECT_FALSE(os->cursorVisible);
  ASSERT_EQ(os->windows.size(), 1u);
  const WindowRequest& window = os->windows[0];
  EXPECT_EQ(window.style, WindowStyle::Popup);
  EXPECT_EQ(window.title, "ZIRavar");
  EXPECT_EQ(window.width, 1024);
  EXPECT_EQ(window.pixelFormat.colorBits, 24);
  EXPECT_EQ(window.pixelFormat.alphaBits, 1);
  EXPECT_EQ(window.pixelFormat.depthBits, 32);
  EXPECT_EQ(window.pixelFormat.stencilBits, 0);
  EXPECT_TRUE(window.pixelFormat.doubleBuffer);
  EXPECT_NE(scene.window.hwnd, 0u);
  EXPECT_NE(scene.window.hdc, 0u);
  EXPECT_NE(scene.window.hglrc, 0u);
  EXPECT_TRUE(os->messages.empty());
  // Creation in the order the context needs, shown after it is current.
  EXPECT_LT(os->IndexOf("ChangeDisplayMode"), os->IndexOf("HideCursor"));
  EXPECT_LT(os->IndexOf("HideCursor"), os->IndexOf("CreateWindow"));
  EXPECT_LT(os->IndexOf("SetPixelFormat"), os->IndexOf("CreateContext"));
  EXPECT_LT(os->IndexOf("MakeCurrent"), os->IndexOf("ShowWindow"));
}

TEST_F(WindowTest, RefreshBelowSixtyAsksForHardwareDefault) {
  scene.window.SetDisplayMode(800, 600, 32, 59);
  ASSERT_TRUE(scene.window.OpenWindow());
  EXPECT_EQ(os->modeChanges[0].frequency, 0u);
}

TEST_F(WindowTest, VsyncIsAskedForAndUnpacedWhenRefused) {
  ASSERT_TRUE(scene.window.OpenWindow());
  EXPECT_TRUE(os->Called("SetSwapInterval 1"));
  EXPECT_FALSE(os->Called("SetSwapInterval 0"));

  RecordingScene second;
  os->calls.clear();
  os->swapIntervalWorks = false;
  ASSERT_TRUE(second.window.OpenWindow());
  EXPECT_TRUE(os->Called("SetSwapInterval 0"));
}

TEST_F(WindowTest, RefusedModeYesGivesTopmostWindowAndLeavesModeAlone) {
  scene.window.SetDisplayMode(-1, -1, -1, -1);
  os->answers = {MessageAnswer::Yes};
  ASSERT_TRUE(scene.window.OpenWindow());
  ASSERT_EQ(os->messages.size(), 1u);
  const testing::ShownMessage& question = os->messages[0];
  EXPECT_EQ(question.text,
            "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed "
            "Mode Instead?");
  EXPECT_EQ(question.caption, "Pendrel");
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_EQ(question.icon, MessageIcon::Exclamation);
  EXPECT_EQ(question.owner, 0u);
  // -1 asks for no frequency, but the change is still attempted with the -1 size.
  EXPECT_EQ(os->modeChanges[0].width, -1);
  EXPECT_EQ(os->modeChanges[0].frequency, 0u);

  EXPECT_FALSE(scene.window.fullscreen);
  EXPECT_TRUE(os->cursorVisible);
  ASSERT_EQ(os->windows.size(), 1u);
  EXPECT_EQ(os->windows[0].style, WindowStyle::OverlappedTopmost);
  // No usable size came with the mode: the window gets the scene's own.
  EXPECT_EQ(os->windows[0].width, 800);
  EXPECT_EQ(os->windows[0].height, 600);
  EXPECT_EQ(os->windows[0].pixelFormat.colorBits, 32);

  scene.window.CloseWindow();
  EXPECT_FALSE(os->Called("RestoreDisplayMode"));
  EXPECT_FALSE(os->Called("ShowCursor"));
}

TEST_F(WindowTest, RefusedModeNoClosesTheProgram) {
  os->acceptModeChange = false;
  os->answers = {MessageAnswer::No};
  EXPECT_FALSE(scene.window.OpenWindow());
  ASSERT_EQ(os->messages.size(), 2u);
  EXPECT_EQ(os->messages[1].text, "Program Will Now Close.");
  EXPECT_EQ(os->messages[1].caption, "ERROR");
  EXPECT_EQ(os->messages[1].icon, MessageIcon::Error);
  EXPECT_FALSE(os->Called("CreateWindow"));

  // A question no box could show was answered by nobody: on every host the run ends as on No.
  RecordingScene unseen;
  os->messages.clear();
  os->calls.clear();
  os->messageBoxesShow = false;
  EXPECT_FALSE(unseen.window.OpenWindow());
  ASSERT_EQ(os->messages.size(), 2u);
  EXPECT_EQ(os->messages[1].text, "Program Will Now Close.");
  EXPECT_FALSE(os->Called("CreateWindow"));
}

struct StepFailure {
  const char* step;
  const char* text;
};

// The tests' names carry the step, not the record's bytes: its pointers move between builds
// and, with address randomisation, between runs.
void PrintTo(const StepFailure& failure, std::ostream* out) {
  *out << failure.step;
}

class WindowStepFailure : public ::testing::TestWithParam<StepFailure> {};

TEST_P(WindowStepFailure, ShowsItsMessageAndCloseReleasesWhatWasMade) {
  ScopedFakePlatform os;
  RecordingScene scene;
  os->failing[GetParam().step] = true;
  EXPECT_FALSE(scene.window.OpenWindow());
  ASSERT_EQ(os->messages.size(), 1u);
  EXPECT_EQ(os->messages[0].text, GetParam().text);
  EXPECT_EQ(os->messages[0].caption, "ERROR");
  EXPECT_EQ(os->messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(os->messages[0].owner, 0u);
  EXPECT_FALSE(os->Called("ShowWindow"));

  os->calls.clear();
  scene.window.CloseWindow();
  EXPECT_EQ(os->messages.size(), 1u) << "releasing what exists must not fail";
  EXPECT_EQ(os->calls.front(), "RestoreDisplayMode");
  EXPECT_TRUE(os->cursorVisible);
  EXPECT_EQ(scene.window.hwnd, 0u);
  EXPECT_EQ(scene.window.hdc, 0u);
  EXPECT_EQ(scene.window.hglrc, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, WindowStepFailure,
    ::testing::Values(StepFailure{"CreateWindow", "Window Creation Error."},
                      StepFailure{"GetDeviceContext", "Can't Create A GL Device Context."},
                      StepFailure{"ChoosePixelFormat", "Can't Find A Suitable PixelFormat."},
                      StepFailure{"SetPixelFormat", "Can't Set The PixelFormat."},
                      StepFailure{"CreateContext", "Can't Create A GL Rendering Context."},
                      StepFailure{"MakeCurrent", "Can't Activate The GL Rendering Context."}));

TEST_F(WindowTest, CloseReleasesInReverseOrder) {
  ASSERT_TRUE(scene.window.OpenWindow());
  os->calls.clear();
  scene.window.CloseWindow();
  const std::vector<std::string> expected{
      "RestoreDisplayMode",   "ShowCursor",    "ReleaseCurrent",       "DeleteContext",
      "ReleaseDeviceContext", "DestroyWindow", "UnregisterWindowClass"};
  EXPECT_EQ(os->calls, expected);
  EXPECT_TRUE(os->messages.empty());
  EXPECT_FALSE(os->modeChanged);
}

TEST_F(WindowTest, CloseRestoresModeAndCursorWhenWindowWasNeverCreated) {
  scene.window.CloseWindow();
  const std::vector<std::string> expected{"RestoreDisplayMode", "ShowCursor",
                                          "UnregisterWindowClass"};
  EXPECT_EQ(os->calls, expected);
}

TEST_F(WindowTest, EveryReleaseFailureIsToldAndTheTeardownGoesOn) {
  ASSERT_TRUE(scene.window.OpenWindow());
  for (const char* step : {"ReleaseCurrent", "DeleteContext", "ReleaseDeviceContext",
                           "DestroyWindow", "UnregisterWindowClass"}) {
    os->failing[step] = true;
  }
  scene.window.CloseWindow();
  std::vector<std::string> texts;
  for (const auto& message : os->messages) {
    EXPECT_EQ(message.caption, "SHUTDOWN ERROR");
    EXPECT_EQ(message.icon, MessageIcon::Information);
    texts.push_back(message.text);
  }
  const std::vector<std::string> expected{
      "Release Of DC And RC Failed.", "Release Rendering Context Failed.",
      "Release Device Context Failed.", "Could Not Release hWnd.", "Could Not Unregister Class."};
  EXPECT_EQ(texts, expected);
  EXPECT_EQ(scene.window.hwnd, 0u);
  EXPECT_EQ(scene.window.hinstance, 0u);
}

TEST_F(WindowTest, ClassRegistrationFailureIsTold) {
  os->failing["RegisterWindowClass"] = true;
  EXPECT_FALSE(scene.window.RegisterFullScreenClass());
  EXPECT_FALSE(scene.window.RegisterPreviewClass());
  ASSERT_EQ(os->messages.size(), 2u);
  EXPECT_EQ(os->messages[0].text, "Failed To Register The Window Class.");
  EXPECT_EQ(os->messages[0].caption, "ERROR");
  EXPECT_EQ(os->messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(WindowTest, StartOpensThenInitsAndStopShutsDownThenCloses) {
  scene.fps = 9;
  ASSERT_TRUE(scene.Start());
  EXPECT_EQ(scene.fpsCountdown, 25);
  EXPECT_EQ(scene.fps, 0);
  EXPECT_EQ(scene.log, "I");
  scene.RenderFrame();
  EXPECT_EQ(scene.log, "IUD");
  scene.Stop();
  EXPECT_EQ(scene.log, "IUDS");
  EXPECT_EQ(os->calls.back(), "UnregisterWindowClass");

  RecordingScene failing;
  os->failing["CreateContext"] = true;
  EXPECT_FALSE(failing.Start());
  EXPECT_EQ(failing.log, "") << "no Init without a context";
}

}  // namespace
}  // namespace frost
