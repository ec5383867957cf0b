// The loop's grid: everything the music places is placed on sixteenth notes, and the tests
// use the same numbers to know how long the decoded file must be and where the drums land.
#pragma once

#include <cstdint>

namespace frost::musicgen {

inline constexpr int kSampleRate = 44100;
inline constexpr int kChannels = 2;

// A sixteenth note of exactly 5733 samples (13 x 441) gives 115.4 beats a minute and keeps
// every note, echo and bar on a whole sample. It also makes the loop a whole number of MP3
// frames, and of the 49-frame cycle in which a 192 kbit/s stream at 44100 Hz pads its frames,
// which is what lets the encoder code the loop seamlessly (see mp3_encoder.cpp).
inline constexpr int kStepFrames = 5733;
inline constexpr int kStepsPerBeat = 4;
inline constexpr int kStepsPerBar = 16;
inline constexpr int kBars = 32;
inline constexpr int kLoopSteps = kStepsPerBar * kBars;
inline constexpr std::int64_t kLoopFrames = std::int64_t{kStepFrames} * kLoopSteps;

inline constexpr double LoopSeconds() {
  return static_cast<double>(kLoopFrames) / static_cast<double>(kSampleRate);
}

static_assert(LoopSeconds() >= 60.0 && LoopSeconds() <= 70.0);

inline constexpr std::int64_t StepToFrame(int step) {
  return std::int64_t{step} * kStepFrames;
}

}  // namespace frost::musicgen
