// The last stage of the mix: a look-ahead peak limiter. The drums have to be loud enough for
// the beat detector, and now and then a kick lands on a bass note and a chord at their
// crests; the limiter pulls those few moments under the ceiling instead of lowering the
// whole loop.
#pragma once

#include "stereo_loop.h"

namespace frost::musicgen {

struct LimiterReport {
  long long framesReduced = 0;  // frames whose gain is below 1
  double deepestDb = 0.0;       // the largest reduction, in dB (negative)
};

// Afterwards no sample of either channel exceeds `ceiling`. The gain falls along a straight
// line over the 2 ms before a peak and recovers over about 100 ms after, both round the loop's
// end, so the result is as periodic as the input.
LimiterReport LimitPeaks(StereoLoop& loop, float ceiling);

}  // namespace frost::musicgen
