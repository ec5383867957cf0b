#include "audio/fft_analyser.h"

#include <kiss_fftr.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace frost {

struct SpectrumAnalyser::Impl {
  kiss_fftr_cfg fft = nullptr;
  std::vector<float> window;
  std::vector<float> windowed;
  std::vector<kiss_fft_cpx> out;
};

SpectrumAnalyser::SpectrumAnalyser() : impl_(std::make_unique<Impl>()) {
  impl_->fft = kiss_fftr_alloc(kSpectrumWindow, 0, nullptr, nullptr);
  impl_->window.resize(kSpectrumWindow);
  // Periodic Hann: its coherent gain is exactly one half, which the scale below relies on.
  for (int i = 0; i < kSpectrumWindow; ++i) {
    impl_->window[i] = static_cast<float>(
        0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / static_cast<double>(kSpectrumWindow)));
  }
  impl_->windowed.resize(kSpectrumWindow);
  impl_->out.resize(kSpectrumWindow / 2 + 1);
}

SpectrumAnalyser::~SpectrumAnalyser() {
  if (impl_->fft != nullptr) kiss_fftr_free(impl_->fft);
}

bool SpectrumAnalyser::Compute(const float* samples, float* bins) {
  if (impl_->fft == nullptr) return false;
  for (int i = 0; i < kSpectrumWindow; ++i) impl_->windowed[i] = samples[i] * impl_->window[i];
  kiss_fftr(impl_->fft, impl_->windowed.data(), impl_->out.data());
  constexpr float kScale = 4.0f / static_cast<float>(kSpectrumWindow);
  for (int k = 0; k < kSpectrumBins; ++k) {
    bins[k] = std::hypot(impl_->out[k].r, impl_->out[k].i) * kScale;
  }
  return true;
}

}  // namespace frost
