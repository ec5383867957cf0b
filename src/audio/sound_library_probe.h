// A look inside the sound library, linked only by its tests and the capture tool (the
// frost_sound_probe library), never by the program: how far a stream's decoder has run ahead,
// and which CD device it reads.
#pragma once

#include <chrono>
#include <cstddef>

#include "audio/fsound.h"

namespace frost {

// Frames decoded and waiting to be mixed; 0 for an unknown handle.
std::size_t StreamBufferedFrames(FSOUND_STREAM* stream);
// The decoder has given its last frame (a looping stream never does, unless it cannot read).
bool StreamDecoderEnded(FSOUND_STREAM* stream);
// Waits, at most `limit`, until the decoder has `frames` ready or has ended: what a real sound
// card, asking for music at playing speed, would find. False when the limit ran out first.
bool WaitStreamDecoded(FSOUND_STREAM* stream, std::size_t frames, std::chrono::milliseconds limit);

// Which device FSOUND_CD_Play reads: empty or null for the system's default drive, else a drive
// or disc image path (libcdio opens .cue/.bin and .nrg images too).
void UseCdDevice(const char* device);

}  // namespace frost
