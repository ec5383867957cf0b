// Beats heard in the music's spectrum, as pulses that shake the globe.
#pragma once

#include "run/frame_timer.h"

namespace frost {

// Beats in three bands of the music's spectrum, each held off for 200 ms, turned into pulses
// that jump up after a beat and die away within a second.
struct BeatDetector {
  FrameTimer lowBeat;
  FrameTimer midBeat;
  FrameTimer highBeat;
  float lowPulse = 0.0f;
  float highPulse = 0.0f;
  float midPulse = 0.0f;

  // Marks the timer of every band whose sum passes its threshold; a null spectrum marks none.
  void Detect(const float* spectrum);
  void Pulse();

  // x * e^(-0.02 x) * 20: 0 at the beat, 367.88 at 50 ms, practically 0 after a second.
  static float PulseAt(double sinceBeatMs);
};

}  // namespace frost
