// The globe's view of the music: the three beat bands, their thresholds, and the beats the
// saver's detector would find in a stretch of the mono mix.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "score.h"

namespace frost::musicgen::testing {

struct BeatBand {
  const char* name;
  int firstBin;
  int lastBin;
  float threshold;
};

// The detector's bands: low for the kick, mid for the snare, high for the hi-hat.
inline constexpr std::array<BeatBand, 3> kBeatBands = {{
    {"low", 0, 2, 0.75f},
    {"mid", 100, 119, 0.5f},
    {"high", 250, 299, 0.75f},
}};

// Which band each drum is meant to move.
int BandOf(Drum drum);

// The spectrum is taken about every 10 to 25 ms; the tests take it every 512 samples.
inline constexpr std::int64_t kHopFrames = 512;
// 200 ms: a band cannot beat again sooner.
inline constexpr std::int64_t kHoldOffFrames = 8820;

// Band sums for windows of the loop ending at kHopFrames, 2 kHopFrames, ... the loop's
// length; windows that reach back past the start wrap round to the end, as they do when the
// music plays again.
struct BandTrack {
  std::vector<std::int64_t> windowEnds;
  std::array<std::vector<float>, 3> sums;
};
BandTrack TrackBands(const std::vector<float>& mono);

// Frames (window ends) at which the detector marks a beat in `band`, with its hold-off, as
// it runs once the loop has been playing for a while.
std::vector<std::int64_t> BeatsIn(const BandTrack& track, int band);

// The spectrum of the 1024 samples from `start` on, wrapping round the loop.
std::vector<float> SpectrumFrom(const std::vector<float>& mono, std::int64_t start);

}  // namespace frost::musicgen::testing
