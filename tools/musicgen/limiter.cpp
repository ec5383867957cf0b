#include "limiter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "loop_timing.h"

namespace frost::musicgen {

LimiterReport LimitPeaks(StereoLoop& loop, float ceiling) {
  std::vector<float>& left = loop.LeftChannel();
  std::vector<float>& right = loop.RightChannel();
  const std::size_t frames = left.size();
  const auto lookAhead = static_cast<std::size_t>(0.002 * kSampleRate);
  const double release = 1.0 - std::exp(-1.0 / (0.1 * kSampleRate));

  // The gain each frame needs, then a straight ramp down to it from `lookAhead` frames
  // earlier, so the gain never steps.
  std::vector<double> gain(frames, 1.0);
  for (std::size_t i = 0; i < frames; ++i) {
    const float level = std::max(std::fabs(left[i]), std::fabs(right[i]));
    if (level <= ceiling) continue;
    const double needed = static_cast<double>(ceiling) / static_cast<double>(level);
    for (std::size_t back = 0; back <= lookAhead; ++back) {
      const std::size_t at = (i + frames - back) % frames;
      const double ramp = needed + (1.0 - needed) * static_cast<double>(back) / lookAhead;
      gain[at] = std::min(gain[at], ramp);
    }
  }
  // Slow recovery: twice round, so the end's recovery carries on into the beginning.
  double smooth = 1.0;
  for (int lap = 0; lap < 2; ++lap) {
    for (std::size_t i = 0; i < frames; ++i) {
      smooth = std::min(gain[i], smooth + (1.0 - smooth) * release);
      if (smooth > 0.9999) smooth = std::min(gain[i], 1.0);  // back to exactly 1, not nearly
      if (lap == 1) gain[i] = smooth;
    }
  }

  LimiterReport report;
  double deepest = 1.0;
  for (std::size_t i = 0; i < frames; ++i) {
    if (gain[i] >= 1.0) continue;
    ++report.framesReduced;
    deepest = std::min(deepest, gain[i]);
    left[i] = static_cast<float>(left[i] * gain[i]);
    right[i] = static_cast<float>(right[i] * gain[i]);
  }
  report.deepestDb = 20.0 * std::log10(deepest);
  return report;
}

}  // namespace frost::musicgen
