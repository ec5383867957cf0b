#include "scene/beat_detector.h"

#include <cmath>

namespace frost {
namespace {

void DetectBand(const float* spectrum, int first, int last, float threshold, FrameTimer& timer) {
  float sum = 0.0f;
  for (int bin = first; bin <= last; ++bin) sum += spectrum[bin];
  if (sum > threshold && timer.SinceMark() > 200.0) timer.Mark();
}

}  // namespace

void BeatDetector::Detect(const float* spectrum) {
  if (spectrum == nullptr) return;
  DetectBand(spectrum, 0, 2, 0.75f, lowBeat);
  DetectBand(spectrum, 250, 299, 0.75f, highBeat);
  DetectBand(spectrum, 100, 119, 0.5f, midBeat);
}

float BeatDetector::PulseAt(double sinceBeatMs) {
  return static_cast<float>(sinceBeatMs * std::exp(-0.02 * sinceBeatMs) * 20.0);
}

void BeatDetector::Pulse() {
  lowPulse = PulseAt(lowBeat.SinceMark());
  highPulse = PulseAt(highBeat.SinceMark());
  midPulse = PulseAt(midBeat.SinceMark());
}

}  // namespace frost
