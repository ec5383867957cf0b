#include "dsp.h"

#include "loop_timing.h"

namespace frost::musicgen {
namespace {

struct Design {
  double cosW;
  double alpha;
};

Design DesignAt(double hz, double q) {
  const double w = kTwoPi * hz / static_cast<double>(kSampleRate);
  return {std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

Biquad Biquad::LowPass(double hz, double q) {
  const Design d = DesignAt(hz, q);
  return Biquad((1.0 - d.cosW) / 2.0, 1.0 - d.cosW, (1.0 - d.cosW) / 2.0, 1.0 + d.alpha,
                -2.0 * d.cosW, 1.0 - d.alpha);
}

Biquad Biquad::HighPass(double hz, double q) {
  const Design d = DesignAt(hz, q);
  return Biquad((1.0 + d.cosW) / 2.0, -(1.0 + d.cosW), (1.0 + d.cosW) / 2.0, 1.0 + d.alpha,
                -2.0 * d.cosW, 1.0 - d.alpha);
}

Biquad Biquad::BandPass(double hz, double q) {
  const Design d = DesignAt(hz, q);
  return Biquad(d.alpha, 0.0, -d.alpha, 1.0 + d.alpha, -2.0 * d.cosW, 1.0 - d.alpha);
}

}  // namespace frost::musicgen
