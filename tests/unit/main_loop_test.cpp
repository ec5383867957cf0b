// The window procedure and the main loop, driven with scripted events.
#include "shell/main_loop.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "run/run_state.h"
#include "support/fake_platform.h"
#include "support/recording_scene.h"

namespace frost {
namespace {

using testing::ScopedFakePlatform;

WindowEvent Event(EventKind kind) {
  WindowEvent event;
  event.kind = kind;
  return event;
}

WindowEvent Key(EventKind kind, int key) {
  WindowEvent event = Event(kind);
  event.key = key;
  return event;
}

WindowEvent Activate(bool minimized) {
  WindowEvent event = Event(EventKind::Activate);
  event.minimized = minimized;
  return event;
}

WindowEvent Command(SysCommand command) {
  WindowEvent event = Event(EventKind::SysCommand);
  event.command = command;
  return event;
}

class MainLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_run.mode = RunMode::FullScreen;
    ASSERT_TRUE(scene.window.OpenWindow());
    os->calls.clear();
  }
  ScopedFakePlatform os;
  testing::RecordingScene scene;
};

TEST_F(MainLoopTest, EscapeEndsThroughTheTeardownWithExitCodeOne) {
  os->events = {Activate(false)};
  os->idlePasses = 3;
  EXPECT_EQ(RunMainLoop(scene), 1);
  EXPECT_EQ(scene.Count('U'), 3);
  EXPECT_EQ(scene.Count('S'), 1);
  EXPECT_TRUE(g_run.quit);
  EXPECT_EQ(os->calls.back(), "UnregisterWindowClass");
  EXPECT_TRUE(os->Called("RestoreDisplayMode"));
}

TEST_F(MainLoopTest, OtherKeysMouseAndClicksChangeNothing) {
  WindowEvent move = Event(EventKind::MouseMove);
  move.x = 300;
  os->events = {Activate(false),
                Key(EventKind::KeyDown, 'A'),
                Key(EventKind::KeyUp, 'A'),
                Key(EventKind::KeyDown, ' '),
                move,
                Event(EventKind::MouseButton)};
  os->idlePasses = 2;
  EXPECT_EQ(RunMainLoop(scene), 1);
  EXPECT_EQ(scene.Count('U'), 2) << "the run only ended when the fake pressed Escape";
}

TEST_F(MainLoopTest, CloseRequestsEndTheRun) {
  for (EventKind kind : {EventKind::Close, EventKind::Destroy, EventKind::Quit}) {
    ScopedFakePlatform fresh;
    testing::RecordingScene another;
    g_run.mode = RunMode::FullScreen;
    fresh->events = {Activate(false), Event(kind)};
    fresh->idlePasses = 100;
    EXPECT_EQ(RunMainLoop(another), 1);
    EXPECT_EQ(another.Count('U'), 0);
    EXPECT_EQ(another.Count('S'), 1);
  }
}

TEST_F(MainLoopTest, NoFramesWhileMinimisedOrBeforeActivation) {
  os->idlePasses = 2;  // never activated
  os->events = {};
  EXPECT_EQ(RunMainLoop(scene), 1);
  EXPECT_EQ(scene.Count('U'), 0);
}

TEST_F(MainLoopTest, MinimiseStopsFramesRestoreResumes) {
  // Losing the focus without minimising keeps drawing; minimising stops it.
  EXPECT_TRUE(SaverWindowProc(scene, Activate(false)));
  EXPECT_TRUE(scene.window.IsActive());
  EXPECT_TRUE(SaverWindowProc(scene, Activate(true)));
  EXPECT_FALSE(scene.window.IsActive());
  SaverWindowProc(scene, Activate(false));
  EXPECT_TRUE(scene.window.IsActive());
}

TEST_F(MainLoopTest, ScreenSaverAndMonitorPowerRequestsAreSwallowed) {
  EXPECT_TRUE(SaverWindowProc(scene, Command(SysCommand::ScreenSave)));
  EXPECT_TRUE(SaverWindowProc(scene, Command(SysCommand::MonitorPower)));
  EXPECT_FALSE(SaverWindowProc(scene, Command(SysCommand::Other)));
  EXPECT_FALSE(g_run.quit);

  os->events = {Command(SysCommand::ScreenSave), Command(SysCommand::Other)};
  RunMainLoop(scene);
  EXPECT_EQ(std::count(os->calls.begin(), os->calls.end(), "DefaultProcessing"), 1);
}

TEST_F(MainLoopTest, MouseMoveGetsDefaultProcessingInFullScreenAndStartsThePreview) {
  EXPECT_FALSE(SaverWindowProc(scene, Event(EventKind::MouseMove)));
  EXPECT_FALSE(scene.window.IsActive());
  g_run.mode = RunMode::Preview;
  EXPECT_TRUE(SaverWindowProc(scene, Event(EventKind::MouseMove)));
  EXPECT_TRUE(scene.window.IsActive());
}

TEST_F(MainLoopTest, SizeEventsResizeTheViewport) {
  WindowEvent size = Event(EventKind::Size);
  size.width = 320;
  size.height = 0;
  EXPECT_TRUE(SaverWindowProc(scene, size));
  EXPECT_EQ(scene.window.width, 320);
  EXPECT_EQ(scene.window.height, 1);
}

TEST_F(MainLoopTest, MusicStartsOnceOnTheFirstIdlePass) {
  os->events = {Activate(false)};
  os->idlePasses = 4;
  EXPECT_TRUE(g_run.musicStartPending);
  RunMainLoop(scene);
  EXPECT_FALSE(g_run.musicStartPending);
}

}  // namespace
}  // namespace frost
