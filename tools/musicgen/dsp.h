// Small signal-processing parts every instrument is built from. Double precision throughout:
// the loop is long and the filters sit close to a quarter of the sample rate, where float
// coefficients and phases drift audibly.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

#include "loop_timing.h"

namespace frost::musicgen {

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

inline double MidiToHz(double note) {
  return 440.0 * std::exp2((note - 69.0) / 12.0);
}

// Second-order filter section (bilinear-transform designs, direct form I).
class Biquad {
 public:
  static Biquad LowPass(double hz, double q);
  static Biquad HighPass(double hz, double q);
  // Unity gain at `hz`, falling off at 6 dB an octave on each side.
  static Biquad BandPass(double hz, double q);

  double Process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  Biquad(double b0, double b1, double b2, double a0, double a1, double a2);

  double b0_, b1_, b2_, a1_, a2_;
  double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

class OnePoleLowPass {
 public:
  explicit OnePoleLowPass(double hz)
      : coefficient_(1.0 - std::exp(-kTwoPi * hz / static_cast<double>(kSampleRate))) {}
  double Process(double x) {
    state_ += coefficient_ * (x - state_);
    return state_;
  }

 private:
  double coefficient_;
  double state_ = 0.0;
};

// White noise from SplitMix64. Every hit seeds its own stream, so the music depends on nothing
// but the seeds written in the score.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) : state_(seed) {}

  std::uint64_t NextBits() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(NextBits() >> 11) * (1.0 / 9007199254740992.0); }
  // Uniform in [-1, 1).
  double White() { return 2.0 * Unit() - 1.0; }

 private:
  std::uint64_t state_;
};

// A sine by turning a unit phasor a fixed angle each sample: one multiply-add pair instead of
// a call to sin, which matters with hundreds of bell partials. Renormalised now and then so its
// length does not creep over seconds of ringing.
class Rotor {
 public:
  Rotor(double hz, double phase)
      : cos_(std::cos(kTwoPi * hz / static_cast<double>(kSampleRate))),
        sin_(std::sin(kTwoPi * hz / static_cast<double>(kSampleRate))),
        re_(std::cos(phase)),
        im_(std::sin(phase)) {}

  double Next() {
    const double value = im_;
    const double re = re_ * cos_ - im_ * sin_;
    im_ = re_ * sin_ + im_ * cos_;
    re_ = re;
    if (++count_ == 4096) {
      count_ = 0;
      const double length = std::sqrt(re_ * re_ + im_ * im_);
      re_ /= length;
      im_ /= length;
    }
    return value;
  }

 private:
  double cos_, sin_, re_, im_;
  int count_ = 0;
};

// Rounds off everything above `ceiling`. On noise it removes the rare tall peaks, which cost
// headroom, while keeping nearly all of the energy, which is what is heard.
inline double SoftLimit(double x, double ceiling) {
  return ceiling * std::tanh(x / ceiling);
}

// A gentle fade from 0 to 1 over `length` (half a cosine): no corner for the ear to hear.
inline double SmoothRise(double t, double length) {
  if (t <= 0.0) return 0.0;
  if (t >= length) return 1.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

}  // namespace frost::musicgen
