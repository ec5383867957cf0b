// A look inside the sound library for its tests: how far a stream's decoder has run ahead.
#pragma once

#include <cstddef>

#include "audio/fsound.h"

namespace frost {

// Frames decoded and waiting to be mixed; 0 for an unknown handle.
std::size_t StreamBufferedFrames(FSOUND_STREAM* stream);
// The decoder has given its last frame (a looping stream never does, unless it cannot read).
bool StreamDecoderEnded(FSOUND_STREAM* stream);

}  // namespace frost
