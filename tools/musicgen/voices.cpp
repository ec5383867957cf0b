#include "voices.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dsp.h"
#include "loop_timing.h"

namespace frost::musicgen {
namespace {

constexpr double kRate = static_cast<double>(kSampleRate);

struct Partial {
  double ratio;
  double amplitude;
  double decaySeconds;
};

// Everything above this stays out of the hi-hat's band and the top octave.
constexpr double kHighestPartialHz = 9000.0;

std::vector<float> RenderPartials(double hz, const Partial* partials, std::size_t count,
                                  double attackSeconds, double decayScale, double lengthSeconds) {
  std::vector<float> out(static_cast<std::size_t>(lengthSeconds * kRate), 0.0f);
  for (std::size_t p = 0; p < count; ++p) {
    const Partial& partial = partials[p];
    if (partial.ratio * hz > kHighestPartialHz) continue;
    Rotor rotor(partial.ratio * hz, 0.0);
    // One exponential step per sample: exact, and far cheaper than exp() per sample.
    const double step = std::exp(-1.0 / (partial.decaySeconds * decayScale * kRate));
    double level = partial.amplitude;
    for (float& sample : out) {
      sample += static_cast<float>(level * rotor.Next());
      level *= step;
    }
  }
  const double tail = std::min(0.1, lengthSeconds / 4.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double remaining = static_cast<double>(out.size() - i) / kRate;
    out[i] *= static_cast<float>(SmoothRise(t, attackSeconds) * SmoothRise(remaining, tail));
  }
  return out;
}

// A soft saw: every harmonic at 1/n, rolled off steeply above `brightHz` and stopped below
// 3.6 kHz, so the pads leave the snare's band to the snare. One period, `size` samples.
std::vector<float> SoftSawTable(double hz, double brightHz, int size) {
  std::vector<float> table(static_cast<std::size_t>(size) + 1, 0.0f);
  for (int n = 1; n * hz < 3600.0; ++n) {
    const double ratio = n * hz / brightHz;
    const double amplitude = 1.0 / (n * (1.0 + ratio * ratio * ratio * ratio));
    for (int j = 0; j < size; ++j) {
      table[static_cast<std::size_t>(j)] +=
          static_cast<float>(amplitude * std::sin(kTwoPi * n * j / static_cast<double>(size)));
    }
  }
  float peak = 0.0f;
  for (const float v : table) peak = std::max(peak, std::fabs(v));
  for (float& v : table) v /= peak;
  table[static_cast<std::size_t>(size)] = table[0];  // the guard sample for interpolation
  return table;
}

}  // namespace

std::vector<float> RenderCelesta(double hz, double velocity) {
  // The strike partials (4.17 and 5.43 times) are what make it a struck bar rather than an
  // organ; they are gone within a tenth of a second. Harder notes strike brighter.
  const double bright = 0.5 + 0.5 * velocity;
  const std::array<Partial, 5> partials = {{{1.0, 1.0, 1.7},
                                            {2.0, 0.3 * bright, 0.75},
                                            {3.0, 0.06 * bright, 0.3},
                                            {4.17, 0.08 * bright, 0.07},
                                            {5.43, 0.03 * bright, 0.04}}};
  // Higher bars ring shorter, as real ones do.
  const double decayScale = std::clamp(std::sqrt(660.0 / hz), 0.6, 1.4);
  const double length = std::min(4.5, 1.7 * decayScale * 7.0);
  std::vector<float> note =
      RenderPartials(hz, partials.data(), partials.size(), 0.003, decayScale, length);
  for (float& sample : note) sample *= static_cast<float>(velocity);
  return note;
}

StereoSound RenderPad(double hz, std::int64_t holdFrames, std::uint64_t seed) {
  constexpr double kAttack = 1.1;
  constexpr double kRelease = 1.6;
  constexpr int kTableSize = 4096;
  const std::vector<float> table = SoftSawTable(hz, 1300.0, kTableSize);

  const auto releaseFrames = static_cast<std::int64_t>(kRelease * kRate);
  StereoSound out;
  out.left.assign(static_cast<std::size_t>(holdFrames + releaseFrames), 0.0f);
  out.right.assign(out.left.size(), 0.0f);

  Noise noise(seed);
  constexpr std::array<double, 4> kDetuneCents = {-8.0, -3.0, 3.0, 8.0};
  constexpr std::array<double, 4> kPan = {-0.9, -0.3, 0.3, 0.9};
  const double breathPhase = kTwoPi * noise.Unit();
  for (std::size_t v = 0; v < kDetuneCents.size(); ++v) {
    const double increment = hz * std::exp2(kDetuneCents[v] / 1200.0) / kRate;
    double phase = noise.Unit();
    // Equal-power pan, scaled so a voice in the middle has gain 1 on each side.
    const double angle = (kPan[v] + 1.0) * std::numbers::pi / 4.0;
    const double leftGain = std::cos(angle) * std::numbers::sqrt2 / kDetuneCents.size();
    const double rightGain = std::sin(angle) * std::numbers::sqrt2 / kDetuneCents.size();
    for (std::size_t i = 0; i < out.left.size(); ++i) {
      const double position = phase * kTableSize;
      const auto index = static_cast<std::size_t>(position);
      const double fraction = position - static_cast<double>(index);
      const double sample = table[index] + fraction * (table[index + 1] - table[index]);
      out.left[i] += static_cast<float>(sample * leftGain);
      out.right[i] += static_cast<float>(sample * rightGain);
      phase += increment;
      if (phase >= 1.0) phase -= 1.0;
    }
  }
  for (std::size_t i = 0; i < out.left.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double sinceRelease =
        static_cast<double>(static_cast<std::int64_t>(i) - holdFrames) / kRate;
    const double release = 1.0 - SmoothRise(sinceRelease, kRelease);
    // A slow breath keeps a held chord from sounding like a test tone.
    const double breath = 1.0 + 0.08 * std::sin(kTwoPi * 0.13 * t + breathPhase);
    const auto envelope = static_cast<float>(SmoothRise(t, kAttack) * release * breath);
    out.left[i] *= envelope;
    out.right[i] *= envelope;
  }
  return out;
}

std::vector<float> RenderBass(double hz, std::int64_t holdFrames) {
  constexpr double kRelease = 0.15;
  std::vector<float> out(
      static_cast<std::size_t>(holdFrames) + static_cast<std::size_t>(kRelease * kRate), 0.0f);
  Rotor first(hz, 0.0);
  Rotor second(2.0 * hz, 0.0);
  Rotor third(3.0 * hz, 0.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double sinceRelease =
        static_cast<double>(static_cast<std::int64_t>(i) - holdFrames) / kRate;
    const double envelope = SmoothRise(t, 0.012) * (0.65 + 0.35 * std::exp(-t / 0.3)) *
                            (1.0 - SmoothRise(sinceRelease, kRelease));
    const double tone = first.Next() + 0.3 * second.Next() + 0.12 * third.Next();
    out[i] = static_cast<float>(envelope * tone);
  }
  return out;
}

std::vector<float> RenderPluck(double hz, double velocity) {
  const std::array<Partial, 3> partials = {{{1.0, 1.0, 0.3}, {2.0, 0.22, 0.15}, {3.0, 0.08, 0.08}}};
  std::vector<float> note = RenderPartials(hz, partials.data(), partials.size(), 0.002, 1.0, 1.6);
  for (float& sample : note) sample *= static_cast<float>(velocity);
  return note;
}

}  // namespace frost::musicgen
