// Our sound library's call surface: the FSOUND calls the screen saver makes, with their
// arguments, results and error codes. MP3 streams are decoded by libmpg123, CDs read with
// libcdio-paranoia, everything mixed in software and played through the platform's sound
// output. Its threads (the sound card's and one per stream) share nothing with the caller
// except through these calls, which all belong on one thread.
#pragma once

#include "audio/fmod_errors.h"

namespace frost {

struct FSOUND_STREAM;
struct FSOUND_DSPUNIT;

inline constexpr int FSOUND_FREE = -1;
inline constexpr unsigned FSOUND_LOOP_OFF = 0x00000001;
inline constexpr unsigned FSOUND_LOOP_NORMAL = 0x00000002;
inline constexpr unsigned FSOUND_2D = 0x00002000;

// Non-zero on success; on failure FSOUND_GetError says why (Init fails with FMOD_ERR_INIT when
// there is no sound device, and with FMOD_ERR_BUSY when already initialised).
signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int flags);
// Stops everything, frees every stream, and lets the sound device go; harmless when not open.
void FSOUND_Close();
int FSOUND_GetError();

// `mode` FSOUND_LOOP_NORMAL plays the file round and round with no gap. `offset` and
// `length` are accepted for the call's shape; the whole file is always streamed.
FSOUND_STREAM* FSOUND_Stream_Open(const char* name, unsigned int mode, int offset, int length);
// Returns the channel it plays on, or -1.
int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream);
signed char FSOUND_Stream_Stop(FSOUND_STREAM* stream);
signed char FSOUND_Stream_Close(FSOUND_STREAM* stream);

// 0 silent to 255 full.
signed char FSOUND_SetVolume(int channel, int vol);

// The analyser of the final mix. The spectrum is null while it is off or nothing plays;
// otherwise kSpectrumBins magnitudes (see audio/fft_analyser.h for bins and scale), owned by the
// library and valid until the next call.
FSOUND_DSPUNIT* FSOUND_DSP_GetFFTUnit();
signed char FSOUND_DSP_SetActive(FSOUND_DSPUNIT* unit, signed char active);
float* FSOUND_DSP_GetSpectrum();

// `drive` 0 is the system's default drive (the only one this library knows). Plays from
// `track` to the last audio track and round again. Fails at once when there is no drive; a
// drive with no disc just plays silence.
signed char FSOUND_CD_Play(char drive, int track);
signed char FSOUND_CD_Stop(char drive);

}  // namespace frost
