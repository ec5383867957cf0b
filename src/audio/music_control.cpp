#include "audio/music_control.h"

namespace frost {

// No sound library is linked into this build yet, so the saver runs silent: nothing is opened,
// so nothing can fail, nothing needs closing, and there is no spectrum to dance to.
bool StartMusic(SceneBase&) {
  return true;
}

void StopMusic() {}

void SetMusicVolume(int) {}

const float* MusicSpectrum() {
  return nullptr;
}

}  // namespace frost
