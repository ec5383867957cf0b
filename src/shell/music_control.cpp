#include "shell/music_control.h"

#include <string>

#include "audio/fsound.h"
#include "audio/music_stream.h"
#include "platform/platform.h"
#include "run/run_state.h"
#include "scene/scene_base.h"
#include "settings/saver_settings.h"

namespace frost {

namespace {

// The raw byte: besides the three sources the dialog stores, a hand-edited file may hold others,
// which behave as their neighbours: 0 like the CD, 3 like the CD without the sound library
// being initialised, 5 and above like no sound.
int Source() {
  return g_settings.audioSource;
}

constexpr int kMp3File = static_cast<int>(AudioSource::Mp3File);
constexpr int kNoSound = static_cast<int>(AudioSource::NoSound);

void TellAfterStopping(SceneBase& scene, const std::string& text, const char* caption) {
  // The window goes first, so the message is not hidden behind a full-screen picture.
  scene.Stop();
  TellUser(g_run.parent, text, caption, MessageButtons::Ok, MessageIcon::Error);
}

// Inside a screen-saver daemon's window the message goes to the daemon's log, and the run goes
// on without music rather than ending: nobody saw why it would have ended.
bool CarriesOnSilently(const std::string& text, const char* caption) {
  if (g_run.mode != RunMode::Embedded) return false;
  TellUser(g_run.parent, text, caption, MessageButtons::Ok, MessageIcon::Error);
  g_settings.audioSource = static_cast<std::uint8_t>(AudioSource::NoSound);  // this run only
  return true;
}

// What a failure to start the music does: ends the run with its message, or, inside a
// daemon's window, carries on without music. True when the run goes on.
bool FailStart(SceneBase& scene, const std::string& text, const char* caption) {
  if (CarriesOnSilently(text, caption)) return true;
  TellAfterStopping(scene, text, caption);
  return false;
}

// Opens the sound library unless the source needs none; false when it could not.
bool InitSound() {
  if (Source() >= 3) return true;
  return FSOUND_Init(44100, 32, 0) != 0;
}

}  // namespace

bool StartMusic(SceneBase& scene) {
  if (Source() >= kNoSound) return true;
  if (!InitSound()) return FailStart(scene, FmodErrorText(FSOUND_GetError()), "FMOD Error");
  if (Source() == kMp3File) {
    if (!OpenMusicStream(g_settings.mp3Path)) {
      // The loop ends without its teardown, so the sound device is let go here.
      FSOUND_Close();
      return FailStart(scene, g_settings.mp3Path, "Fatal Error");
    }
    PlayMusicStream();
    return true;
  }
  FSOUND_CD_Play(0, 1);  // no disc, no drive: a silent run
  return true;
}

void StopMusic() {
  if (Source() >= kNoSound) return;
  if (Source() == kMp3File) {
    CloseMusicStream();
  } else {
    FSOUND_CD_Stop(0);
    FSOUND_Close();
  }
}

}  // namespace frost
