#include "audio/music_stream.h"

#include "audio/fsound.h"

namespace frost {

namespace {
FSOUND_STREAM* g_stream = nullptr;
int g_channel = 0;  // 0 until a stream plays; the fade-in sets its volume
}  // namespace

bool OpenMusicStream(const std::string& path) {
  g_stream = FSOUND_Stream_Open(path.c_str(), FSOUND_LOOP_NORMAL | FSOUND_2D, 0, 0);
  return g_stream != nullptr;
}

void PlayMusicStream() {
  g_channel = FSOUND_Stream_Play(FSOUND_FREE, g_stream);
  FSOUND_DSP_SetActive(FSOUND_DSP_GetFFTUnit(), 1);
}

void CloseMusicStream() {
  FSOUND_Stream_Stop(g_stream);
  FSOUND_Close();
  g_stream = nullptr;
}

void SetMusicVolume(int volume) {
  FSOUND_SetVolume(g_channel, volume);
}

const float* MusicSpectrum() {
  return FSOUND_DSP_GetSpectrum();
}

FSOUND_STREAM* MusicStream() {
  return g_stream;
}

}  // namespace frost
