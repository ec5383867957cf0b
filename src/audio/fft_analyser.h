// The spectrum the globe dances to: magnitudes of the last 1024 samples of the final mix.
#pragma once

#include <memory>

namespace frost {

inline constexpr int kSpectrumWindow = 1024;  // samples analysed at a time
inline constexpr int kSpectrumBins = 512;     // bin k is centred on k x 44100 / 1024 Hz

// Scale: the samples are Hann-windowed and the magnitudes multiplied by 4 / 1024, so that a
// sine of amplitude A whose frequency falls on the centre of bin k reads A in bin k (and A / 2
// in each neighbour, the window's spread); between two centres it reads about 0.85 A. A
// full-scale sine therefore reads about 1.0 in its bin, and silence reads 0 everywhere. Bin 0
// holds the mean (a constant A reads 2 A there: the same scale, one-sided).
class SpectrumAnalyser {
 public:
  SpectrumAnalyser();
  ~SpectrumAnalyser();
  SpectrumAnalyser(const SpectrumAnalyser&) = delete;
  SpectrumAnalyser& operator=(const SpectrumAnalyser&) = delete;

  // `samples` holds kSpectrumWindow mono samples in -1 .. 1, oldest first; `bins` receives
  // kSpectrumBins magnitudes, lowest frequency first. False only if the FFT could not be set up.
  bool Compute(const float* samples, float* bins);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace frost
