// Which music a full-screen run gets from its settings, and what the user is told when it
// cannot have it.
#include "shell/music_control.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "audio/fsound.h"
#include "audio/music_stream.h"
#include "audio/sound_library_probe.h"
#include "run/run_state.h"
#include "settings/saver_settings.h"
#include "shell/main_loop.h"
#include "support/fake_platform.h"
#include "support/mp3_writer.h"
#include "support/recording_scene.h"

namespace frost {
namespace {

using testing::ScopedFakePlatform;

class MusicControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_run.mode = RunMode::FullScreen;
    g_run.parent = 0x1e1;
    ASSERT_TRUE(scene.window.OpenWindow());
    music = dir.File("music.mp3");
    ASSERT_TRUE(testing::WriteMp3(music, testing::Sine(440.0, 0.4, 0.5)));
    os->calls.clear();
  }
  void TearDown() override { StopMusic(); }

  std::ptrdiff_t IndexOf(const std::string& call) {
    const auto& calls = os->calls;
    return std::find(calls.begin(), calls.end(), call) - calls.begin();
  }

  ScopedFakePlatform os;
  testing::TempDir dir;
  testing::RecordingScene scene;
  std::string music;
};

TEST_F(MusicControlTest, Mp3SourcePlaysTheStreamWithTheAnalyserOn) {
  g_settings.audioSource = 1;
  g_settings.mp3Path = music;
  ASSERT_TRUE(StartMusic(scene));
  EXPECT_TRUE(os->AudioOpen());
  EXPECT_TRUE(os->messages.empty());
  EXPECT_EQ(scene.Count('S'), 0);
  SetMusicVolume(0);
  os->PullAudio(2048);
  EXPECT_NE(MusicSpectrum(), nullptr);  // dance or not, the analyser runs for MP3s
  StopMusic();
  EXPECT_FALSE(os->AudioOpen());
  EXPECT_EQ(MusicSpectrum(), nullptr);
}

TEST_F(MusicControlTest, MissingOrEmptyMp3PathStopsTheSceneThenShowsThePath) {
  for (const std::string& path : {dir.File("gone.mp3"), std::string()}) {
    os->calls.clear();
    os->messages.clear();
    ASSERT_TRUE(scene.window.OpenWindow());
    g_settings.audioSource = 1;
    g_settings.mp3Path = path;
    EXPECT_FALSE(StartMusic(scene));
    ASSERT_EQ(os->messages.size(), 1u);
    EXPECT_EQ(os->messages[0].text, path);
    EXPECT_EQ(os->messages[0].caption, "Fatal Error");
    EXPECT_EQ(os->messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(os->messages[0].owner, WindowHandle{0x1e1});
    // The window is gone before the message, and so is the sound device.
    EXPECT_LT(IndexOf("DestroyWindow"), IndexOf("MessageBox " + path));
    EXPECT_FALSE(os->AudioOpen());
  }
  EXPECT_EQ(scene.Count('S'), 2);
}

TEST_F(MusicControlTest, NoSoundDeviceShowsTheLibrarysErrorText) {
  os->audioDeviceMissing = true;
  g_settings.audioSource = 1;
  g_settings.mp3Path = music;
  EXPECT_FALSE(StartMusic(scene));
  ASSERT_EQ(os->messages.size(), 1u);
  EXPECT_EQ(os->messages[0].text, "Error initializing output device.");
  EXPECT_EQ(os->messages[0].caption, "FMOD Error");
  EXPECT_EQ(os->messages[0].icon, MessageIcon::Error);
  EXPECT_LT(IndexOf("DestroyWindow"), IndexOf("MessageBox Error initializing output device."));
}

TEST_F(MusicControlTest, CdSourcesPlayTheCdAndNeverFailTheRun) {
  UseCdDevice(dir.File("no-drive").c_str());
  for (int source : {0, 2}) {
    g_settings.audioSource = static_cast<std::uint8_t>(source);
    EXPECT_TRUE(StartMusic(scene)) << source;
    EXPECT_TRUE(os->AudioOpen()) << source;
    EXPECT_EQ(MusicSpectrum(), nullptr);  // only MP3s are analysed
    StopMusic();
    EXPECT_FALSE(os->AudioOpen()) << source;
  }
  UseCdDevice(nullptr);
  EXPECT_TRUE(os->messages.empty());
}

TEST_F(MusicControlTest, SourcesFromThreeUpNeverOpenTheLibraryYetFramesStayHarmless) {
  for (int source : {3, 4, 5, 255}) {
    g_settings.audioSource = static_cast<std::uint8_t>(source);
    g_settings.mp3Path = dir.File("gone.mp3");
    EXPECT_TRUE(StartMusic(scene)) << source;
    SetMusicVolume(120);
    EXPECT_EQ(MusicSpectrum(), nullptr);
    StopMusic();
  }
  EXPECT_FALSE(os->Called("OpenAudioOutput 44100"));
  EXPECT_FALSE(os->Called("CloseAudioOutput"));
  EXPECT_TRUE(os->messages.empty());
  EXPECT_EQ(scene.Count('S'), 0);
}

TEST_F(MusicControlTest, EscapeBeforeTheFirstIdlePassStartsNoMusic) {
  g_settings.audioSource = 1;
  g_settings.mp3Path = music;
  g_run.musicStartPending = true;
  WindowEvent escape;
  escape.kind = EventKind::KeyDown;
  escape.key = kKeyEscape;
  os->events = {escape};
  EXPECT_EQ(RunMainLoop(scene), 1);
  EXPECT_FALSE(os->Called("OpenAudioOutput 44100"));
}

}  // namespace
}  // namespace frost
