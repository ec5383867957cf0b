// Plays the score: every note rendered, placed in the loop, sent to the echo and the hall,
// and mixed to the final stereo loop.
#pragma once

#include "limiter.h"
#include "score.h"
#include "stereo_loop.h"

namespace frost::musicgen {

// The finished loop, one period exactly kLoopFrames long. Periodic by construction: notes
// and effect tails that run past the end are already sounding at the beginning.
// How much the final limiter had to do goes to `limiting` when it is not null.
StereoLoop RenderLoop(const Score& score, LimiterReport* limiting = nullptr);

}  // namespace frost::musicgen
