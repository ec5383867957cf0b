#pragma once

#include <string>

namespace frost {

class SceneBase;
struct FSOUND_STREAM;

// Starts the music the settings ask for, on the main loop's first idle pass. On failure it has
// stopped the scene and told the user why, and the run ends with exit code 0.
bool StartMusic(SceneBase& scene);
// Stops the music and closes the sound library; nothing at all with no sound.
void StopMusic();
// Opens the sound library unless the source needs none; false when it could not.
bool InitSound();
// Opens the looping stream and keeps its handle; false when it could not.
bool OpenMusicStream(const std::string& path);

// The music channel's volume, 0 to 255; harmless when nothing plays.
void SetMusicVolume(int volume);
// The spectrum of what is playing now (bins of 44100/1024 Hz, at least 300 of them), or null
// when there is none.
const float* MusicSpectrum();
// The open music stream, null until one is opened and after the music stops.
FSOUND_STREAM* MusicStream();

}  // namespace frost
