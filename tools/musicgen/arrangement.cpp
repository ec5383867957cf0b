#include "arrangement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "drums.h"
#include "dsp.h"
#include "effects.h"
#include "limiter.h"
#include "loop_timing.h"
#include "voices.h"

namespace frost::musicgen {
namespace {

// The balance. The drum levels are set by what the globe's beat detector must see: each hit
// has to lift its band well over the threshold even after the player's volume and the fade-in
// have taken their share, while everything else keeps those bands quiet.
constexpr float kKickLevel = 0.55f;
constexpr float kSnareLevel = 0.53f;
constexpr float kHatLevel = 0.88f;
constexpr float kPadLevel = 0.08f;
constexpr float kBassLevel = 0.11f;
constexpr float kCelestaLevel = 0.075f;
constexpr float kPluckLevel = 0.07f;

constexpr float kSnareToHall = 0.12f;
constexpr float kPadToHall = 0.5f;
constexpr float kBassToHall = 0.05f;
constexpr float kCelestaToHall = 0.45f;
constexpr float kCelestaToEcho = 0.3f;
constexpr float kPluckToHall = 0.4f;
constexpr float kPluckToEcho = 0.45f;
constexpr double kEchoReturn = 0.6;
constexpr float kEchoToHall = 0.3f;
constexpr double kHallReturn = 1.0;

// -1.5 dBFS: headroom for the encoder, whose output overshoots its input by a few tenths of
// a decibel at the sharpest hits.
constexpr float kCeiling = 0.84f;

// A dotted eighth: the repeats fall between the notes instead of on them.
constexpr std::size_t kEchoFrames = 3 * kStepFrames;
constexpr double kEchoFeedback = 0.38;
constexpr double kEchoToneHz = 3500.0;

struct PanGains {
  float left;
  float right;
};

// Equal loudness across the field for sustained instruments.
PanGains EqualPower(double pan) {
  const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
  return {static_cast<float>(std::cos(angle) * std::numbers::sqrt2),
          static_cast<float>(std::sin(angle) * std::numbers::sqrt2)};
}

// The drums keep (left + right) / 2 equal to the hit itself wherever they sit, because the
// beat detector listens to that mono sum.
PanGains MonoPreserving(double pan) {
  return {static_cast<float>(1.0 - pan), static_cast<float>(1.0 + pan)};
}

std::uint64_t Seed(std::uint64_t instrument, std::size_t index) {
  return instrument * 0x9e3779b97f4a7c15ULL + static_cast<std::uint64_t>(index);
}

struct Buses {
  StereoLoop dry{kLoopFrames};
  StereoLoop underKick{kLoopFrames};  // ducked under every kick, then mixed into dry
  StereoLoop echo{kLoopFrames};
  StereoLoop hall{kLoopFrames};
};

void Place(Buses& buses, std::int64_t start, const std::vector<float>& sound, PanGains pan,
           float level, float toHall, float toEcho) {
  buses.dry.AddMono(start, sound, pan.left * level, pan.right * level);
  if (toHall > 0.0f) {
    buses.hall.AddMono(start, sound, pan.left * level * toHall, pan.right * level * toHall);
  }
  if (toEcho > 0.0f) {
    buses.echo.AddMono(start, sound, pan.left * level * toEcho, pan.right * level * toEcho);
  }
}

// Like a drum machine's sample set, a few takes of each drum, rendered once and played in
// turn: enough variety that the hats do not sound like a loop inside the loop, yet few enough
// that every take is known to reach its beat band.
constexpr std::size_t kTakes = 4;

struct Kit {
  std::array<std::vector<float>, kTakes> kick, snare, closedHat, openHat;
};

Kit RenderKit() {
  Kit kit;
  for (std::size_t take = 0; take < kTakes; ++take) {
    kit.kick[take] = RenderKick(Seed(1, take));
    kit.snare[take] = RenderSnare(Seed(2, take));
    kit.closedHat[take] = RenderHat(Seed(3, take), false);
    kit.openHat[take] = RenderHat(Seed(4, take), true);
  }
  return kit;
}

void PlayDrums(const Score& score, Buses& buses) {
  const Kit kit = RenderKit();
  for (std::size_t i = 0; i < score.drums.size(); ++i) {
    const DrumHit& hit = score.drums[i];
    const std::int64_t start = StepToFrame(hit.step);
    const std::size_t take = (i * 7 + i / 5) % kTakes;
    switch (hit.drum) {
      case Drum::kKick:
        Place(buses, start, kit.kick[take], MonoPreserving(0.0), kKickLevel * hit.velocity, 0.0f,
              0.0f);
        break;
      case Drum::kSnare:
        Place(buses, start, kit.snare[take], MonoPreserving(-0.05), kSnareLevel * hit.velocity,
              kSnareToHall, 0.0f);
        break;
      case Drum::kClosedHat:
        Place(buses, start, kit.closedHat[take], MonoPreserving(0.2), kHatLevel * hit.velocity,
              0.0f, 0.0f);
        break;
      case Drum::kOpenHat:
        Place(buses, start, kit.openHat[take], MonoPreserving(0.2), kHatLevel * hit.velocity, 0.0f,
              0.0f);
        break;
    }
  }
}

void PlayTonal(const Score& score, Buses& buses) {
  for (std::size_t i = 0; i < score.pads.size(); ++i) {
    const Note& note = score.pads[i];
    const StereoSound pad =
        RenderPad(MidiToHz(note.midi), StepToFrame(note.lengthSteps), Seed(5, i));
    const float level = kPadLevel * note.velocity;
    buses.dry.AddStereo(StepToFrame(note.step), pad.left, pad.right, level);
    buses.hall.AddStereo(StepToFrame(note.step), pad.left, pad.right, level * kPadToHall);
  }
  for (const Note& note : score.bass) {
    const float level = kBassLevel * note.velocity;
    buses.underKick.AddMono(StepToFrame(note.step),
                            RenderBass(MidiToHz(note.midi), StepToFrame(note.lengthSteps)), level,
                            level);
  }
  auto celesta = [&](const std::vector<Note>& notes, std::uint64_t salt) {
    for (std::size_t i = 0; i < notes.size(); ++i) {
      const Note& note = notes[i];
      // Alternate sides a little, as if the player's hands moved along the keyboard.
      const double pan = ((Seed(salt, i) >> 7) % 2 == 0 ? 0.25 : -0.2) + 0.01 * (note.midi - 78);
      Place(buses, StepToFrame(note.step), RenderCelesta(MidiToHz(note.midi), note.velocity),
            EqualPower(pan), kCelestaLevel, kCelestaToHall, kCelestaToEcho);
    }
  };
  celesta(score.melody, 6);
  celesta(score.sparkles, 7);
  for (std::size_t i = 0; i < score.plucks.size(); ++i) {
    const Note& note = score.plucks[i];
    Place(buses, StepToFrame(note.step), RenderPluck(MidiToHz(note.midi), note.velocity),
          EqualPower(i % 2 == 0 ? -0.45 : 0.45), kPluckLevel, kPluckToHall, kPluckToEcho);
  }
}

// The bass steps aside for each kick, quickly, and comes back over a fifth of a second: the
// two share the lowest octave, and without this their crests pile up and the kick loses its
// edge. Worked out round the loop, so a kick at the end ducks the beginning too.
void DuckUnderKicks(const Score& score, StereoLoop& bus) {
  constexpr double kDepth = 0.6;
  constexpr double kFallSeconds = 0.004;
  constexpr double kRecoverSeconds = 0.2;
  std::vector<float> gain(static_cast<std::size_t>(kLoopFrames), 1.0f);
  const auto span = static_cast<std::int64_t>(4.0 * kRecoverSeconds * kSampleRate);
  for (const DrumHit& hit : score.drums) {
    if (hit.drum != Drum::kKick) continue;
    const std::int64_t start = StepToFrame(hit.step);
    for (std::int64_t i = 0; i < span; ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      const double dip = kDepth * hit.velocity * SmoothRise(t, kFallSeconds) *
                         std::exp(-std::max(0.0, t - kFallSeconds) / kRecoverSeconds) *
                         (1.0 - SmoothRise(t - 3.0 * kRecoverSeconds, kRecoverSeconds));
      float& g = gain[static_cast<std::size_t>((start + i) % kLoopFrames)];
      g = std::min(g, static_cast<float>(1.0 - dip));
    }
  }
  std::vector<float>& left = bus.LeftChannel();
  std::vector<float>& right = bus.RightChannel();
  for (std::size_t i = 0; i < gain.size(); ++i) {
    left[i] *= gain[i];
    right[i] *= gain[i];
  }
}

}  // namespace

StereoLoop RenderLoop(const Score& score, LimiterReport* limiting) {
  Buses buses;
  PlayDrums(score, buses);
  PlayTonal(score, buses);
  DuckUnderKicks(score, buses.underKick);
  buses.dry.Mix(buses.underKick, 1.0f);
  buses.hall.Mix(buses.underKick, kBassToHall);

  StereoLoop echoed(kLoopFrames);
  PingPongEcho echo(kEchoFrames, kEchoFeedback, kEchoToneHz);
  ApplyAcrossLoop(echo, buses.echo, echoed, 1.0);
  buses.dry.Mix(echoed, static_cast<float>(kEchoReturn));
  buses.hall.Mix(echoed, kEchoToHall);

  Hall hall;
  ApplyAcrossLoop(hall, buses.hall, buses.dry, kHallReturn);

  const LimiterReport report = LimitPeaks(buses.dry, kCeiling);
  if (limiting != nullptr) *limiting = report;
  return std::move(buses.dry);
}

}  // namespace frost::musicgen
