#include "beat_bands.h"

#include "audio/fft_analyser.h"

namespace frost::musicgen::testing {

int BandOf(Drum drum) {
  switch (drum) {
    case Drum::kKick:
      return 0;
    case Drum::kSnare:
      return 1;
    case Drum::kClosedHat:
    case Drum::kOpenHat:
      return 2;
  }
  return 0;
}

std::vector<float> SpectrumFrom(const std::vector<float>& mono, std::int64_t start) {
  const auto length = static_cast<std::int64_t>(mono.size());
  std::vector<float> window(kSpectrumWindow);
  for (int i = 0; i < kSpectrumWindow; ++i) {
    const std::int64_t at = ((start + i) % length + length) % length;
    window[static_cast<std::size_t>(i)] = mono[static_cast<std::size_t>(at)];
  }
  std::vector<float> bins(kSpectrumBins);
  SpectrumAnalyser analyser;
  analyser.Compute(window.data(), bins.data());
  return bins;
}

BandTrack TrackBands(const std::vector<float>& mono) {
  BandTrack track;
  const auto length = static_cast<std::int64_t>(mono.size());
  SpectrumAnalyser analyser;
  std::vector<float> window(kSpectrumWindow);
  std::vector<float> bins(kSpectrumBins);
  for (std::int64_t end = kHopFrames; end <= length; end += kHopFrames) {
    for (int i = 0; i < kSpectrumWindow; ++i) {
      const std::int64_t at = ((end - kSpectrumWindow + i) % length + length) % length;
      window[static_cast<std::size_t>(i)] = mono[static_cast<std::size_t>(at)];
    }
    analyser.Compute(window.data(), bins.data());
    track.windowEnds.push_back(end);
    for (std::size_t b = 0; b < kBeatBands.size(); ++b) {
      float sum = 0.0f;
      for (int k = kBeatBands[b].firstBin; k <= kBeatBands[b].lastBin; ++k) {
        sum += bins[static_cast<std::size_t>(k)];
      }
      track.sums[b].push_back(sum);
    }
  }
  return track;
}

std::vector<std::int64_t> BeatsIn(const BandTrack& track, int band) {
  const std::vector<float>& sums = track.sums[static_cast<std::size_t>(band)];
  const float threshold = kBeatBands[static_cast<std::size_t>(band)].threshold;
  const std::int64_t length = track.windowEnds.empty() ? 0 : track.windowEnds.back();
  std::vector<std::int64_t> beats;
  // Twice round; only the second lap counts, when the hold-off carries over from the end.
  std::int64_t lastBeat = -length;
  for (int lap = 0; lap < 2; ++lap) {
    for (std::size_t i = 0; i < sums.size(); ++i) {
      const std::int64_t now = track.windowEnds[i] + lap * length;
      if (sums[i] > threshold && now - lastBeat > kHoldOffFrames) {
        lastBeat = now;
        if (lap == 1) beats.push_back(track.windowEnds[i]);
      }
    }
  }
  return beats;
}

}  // namespace frost::musicgen::testing
