#include "drums.h"

#include <algorithm>
#include <cmath>

#include "dsp.h"
#include "loop_timing.h"

namespace frost::musicgen {
namespace {

constexpr double kRate = static_cast<double>(kSampleRate);

std::vector<float> Frames(double seconds) {
  return std::vector<float>(static_cast<std::size_t>(seconds * kRate), 0.0f);
}

// Brings every hit to exactly zero before its buffer ends, so cutting it there is silent.
double TailFade(std::size_t i, std::size_t length, double seconds) {
  return SmoothRise(static_cast<double>(length - i) / kRate, seconds);
}

// Noise is uneven: one stretch of it happens to be louder than another. Each take is scaled
// so its first 40 ms, the attack the ear and the beat detector judge it by, has the same
// energy, which makes every take of a drum equally loud.
void NormaliseAttack(std::vector<float>& sound, double rms) {
  const auto frames = std::min(sound.size(), static_cast<std::size_t>(0.04 * kRate));
  double energy = 0.0;
  for (std::size_t i = 0; i < frames; ++i) energy += static_cast<double>(sound[i]) * sound[i];
  if (energy <= 0.0) return;
  const auto gain = static_cast<float>(rms / std::sqrt(energy / static_cast<double>(frames)));
  for (float& sample : sound) sample *= gain;
}

}  // namespace

std::vector<float> RenderKick(std::uint64_t seed) {
  std::vector<float> out = Frames(0.5);
  Noise noise(seed);
  // The click only marks the attack; kept below 2 kHz it never reaches the snare's band.
  Biquad click = Biquad::LowPass(1800.0, 0.7);
  double phase = 0.0;
  // Driven hard into a rounded square: a square's fundamental is 4/pi of its peak, so the
  // kick fills the low band with less headroom than a pure sine would need.
  const double drive = std::tanh(2.2);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = 46.0 + 105.0 * std::exp(-t / 0.02);
    phase += kTwoPi * hz / kRate;
    const double body = std::tanh(2.2 * std::sin(phase)) / drive;
    // Held at full strength for the first 40 ms: the detector's 23 ms window then sees the
    // kick at its loudest instead of already fading, for the same peak. The decay after is
    // quick enough that the low band is quiet again before the detector's 200 ms hold-off
    // ends, so one kick is one beat.
    const double envelope = SmoothRise(t, 0.002) * std::exp(-std::max(0.0, t - 0.04) / 0.12);
    const double tick = click.Process(noise.White()) * std::exp(-t / 0.004) * 0.2;
    out[i] = static_cast<float>((envelope * body + tick) * TailFade(i, out.size(), 0.08));
  }
  return out;
}

std::vector<float> RenderSnare(std::uint64_t seed) {
  std::vector<float> out = Frames(0.4);
  Noise noise(seed);
  Biquad wires = Biquad::BandPass(4700.0, 3.5);
  Biquad wideLow = Biquad::HighPass(1500.0, 0.7);
  Biquad wideHigh = Biquad::LowPass(7000.0, 0.7);
  // Two more poles above the wires keep the hi-hat's band for the hi-hat.
  Biquad topA = Biquad::LowPass(8000.0, 0.7);
  Biquad topB = Biquad::LowPass(8000.0, 0.7);
  double shellPhase = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    shellPhase += kTwoPi * (178.0 + 30.0 * std::exp(-t / 0.015)) / kRate;
    const double shell = 0.3 * std::sin(shellPhase) * std::exp(-t / 0.06) +
                         0.1 * std::sin(1.83 * shellPhase) * std::exp(-t / 0.035);
    const double white = noise.White();
    const double rattle =
        SoftLimit(4.0 * wires.Process(white) + 0.3 * wideHigh.Process(wideLow.Process(white)), 0.8);
    const double noiseEnvelope = std::exp(-std::max(0.0, t - 0.012) / 0.08);
    const double hit = SmoothRise(t, 0.0012) * SoftLimit(shell + rattle * noiseEnvelope, 0.9);
    out[i] = static_cast<float>(topB.Process(topA.Process(hit)) * TailFade(i, out.size(), 0.06));
  }
  NormaliseAttack(out, 0.4);
  return out;
}

std::vector<float> RenderHat(std::uint64_t seed, bool open) {
  std::vector<float> out = Frames(open ? 0.7 : 0.25);
  Noise noise(seed);
  Biquad lowCutA = Biquad::HighPass(8500.0, 0.7);
  Biquad lowCutB = Biquad::HighPass(8500.0, 0.7);
  Biquad shimmer = Biquad::BandPass(11800.0, 2.5);
  // The top octave only adds hiss to a sound that loops for hours.
  Biquad topCut = Biquad::LowPass(14500.0, 0.7);
  // The detector looks at 23 ms at a time, every 10 to 25 ms: a closed hat holds for about
  // that long before it dies away, so every look catches it.
  const double hold = 0.02;
  const double decay = open ? 0.16 : 0.04;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double airy = lowCutB.Process(lowCutA.Process(noise.White()));
    const double sizzle = SoftLimit(0.4 * airy + 2.0 * shimmer.Process(airy), 0.3);
    const double envelope = SmoothRise(t, 0.0005) * std::exp(-std::max(0.0, t - hold) / decay);
    out[i] = static_cast<float>(topCut.Process(sizzle) * envelope * TailFade(i, out.size(), 0.03));
  }
  NormaliseAttack(out, 0.17);
  return out;
}

}  // namespace frost::musicgen
