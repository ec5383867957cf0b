// The one music stream a run plays, opened by the shell and listened to by the scene.
#pragma once

#include <string>

namespace frost {

struct FSOUND_STREAM;

// The run's one music stream. The shell opens and plays it from the settings; the scene turns
// it up as the picture fades in and reads its spectrum for the beats.

// Opens the looping stream and keeps its handle; false when it could not.
bool OpenMusicStream(const std::string& path);
// Plays the open stream on a free channel with the spectrum analyser on. Analysed for every
// MP3, dancing or not: the setting only decides whether the globe reacts.
void PlayMusicStream();
// Stops the stream, closes the sound library (which frees every stream) and forgets the handle.
void CloseMusicStream();

// The music channel's volume, 0 to 255; harmless when nothing plays.
void SetMusicVolume(int volume);
// The spectrum of what is playing now (bins of 44100/1024 Hz, at least 300 of them), or null
// when there is none.
const float* MusicSpectrum();
// The open music stream, null until one is opened and after the music stops.
FSOUND_STREAM* MusicStream();

}  // namespace frost
