#include "score.h"

#include <array>
#include <cstdint>

#include "loop_timing.h"

namespace frost::musicgen {
namespace {

// The harmony changes every two bars, except that the last chord hangs on a suspension for
// one bar before resolving to E7, which leads back to A minor at the top of the loop.
struct Chord {
  int bars;
  int root;                // the bass note
  std::array<int, 4> pad;  // the voicing, E3 and up, clear of the kick
};

constexpr std::array<Chord, 9> kProgression = {{
    {2, 45, {57, 60, 64, 71}},  // Am9
    {2, 41, {53, 57, 60, 64}},  // Fmaj7
    {2, 48, {55, 60, 64, 71}},  // Cmaj7
    {2, 43, {55, 59, 62, 64}},  // G6
    {2, 45, {57, 60, 64, 67}},  // Am7
    {2, 41, {53, 57, 64, 67}},  // Fmaj9
    {2, 38, {53, 57, 60, 64}},  // Dm9
    {1, 40, {52, 57, 59, 64}},  // Esus4
    {1, 40, {52, 56, 59, 62}},  // E7
}};
constexpr int kProgressionBars = 16;

struct PhraseNote {
  int bar;
  int step;
  int midi;
  int lengthSteps;
};

// Sixteen bars of melody over one pass of the progression: a rising question, a falling
// answer, a climb to E6 and a cadence whose G sharp resolves onto the A that opens the loop.
// One line a bar: {bar, step, MIDI note, length in sixteenths}.
// clang-format off
constexpr PhraseNote kMelody[] = {
    {0, 0, 81, 4}, {0, 4, 76, 4}, {0, 8, 83, 4}, {0, 12, 84, 4},
    {1, 0, 83, 6}, {1, 6, 79, 2}, {1, 8, 76, 8},
    {2, 0, 81, 4}, {2, 4, 79, 2}, {2, 6, 77, 2}, {2, 8, 76, 4}, {2, 12, 72, 4},
    {3, 0, 76, 12}, {3, 12, 79, 2}, {3, 14, 81, 2},
    {4, 0, 79, 4}, {4, 4, 84, 4}, {4, 8, 83, 4}, {4, 12, 79, 4},
    {5, 0, 76, 6}, {5, 6, 74, 2}, {5, 8, 76, 8},
    {6, 0, 74, 4}, {6, 4, 76, 4}, {6, 8, 79, 4}, {6, 12, 83, 4},
    {7, 0, 81, 8}, {7, 8, 79, 6}, {7, 14, 76, 2},
    {8, 0, 81, 6}, {8, 6, 83, 2}, {8, 8, 84, 4}, {8, 12, 88, 4},
    {9, 0, 86, 4}, {9, 4, 84, 4}, {9, 8, 83, 8},
    {10, 0, 84, 4}, {10, 4, 81, 4}, {10, 8, 79, 4}, {10, 12, 76, 4},
    {11, 0, 79, 12}, {11, 12, 76, 2}, {11, 14, 77, 2},
    {12, 0, 77, 4}, {12, 4, 81, 4}, {12, 8, 84, 6}, {12, 14, 81, 2},
    {13, 0, 79, 4}, {13, 4, 77, 4}, {13, 8, 76, 8},
    {14, 0, 76, 4}, {14, 4, 81, 4}, {14, 8, 83, 8},
    {15, 0, 80, 6}, {15, 6, 81, 2}, {15, 8, 83, 6}, {15, 14, 80, 1}, {15, 15, 81, 1},
};
// clang-format on

constexpr std::uint32_t Hash(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

// A small, repeatable unevenness in the drummer's hands: -1 .. 1.
float Wobble(int step, int salt) {
  const std::uint32_t h =
      Hash(static_cast<std::uint32_t>(step) * 2654435761U ^ static_cast<std::uint32_t>(salt));
  return static_cast<float>(h % 2001U) / 1000.0f - 1.0f;
}

const Chord& ChordAtBar(int bar) {
  int start = 0;
  const int inProgression = bar % kProgressionBars;
  for (const Chord& chord : kProgression) {
    if (inProgression < start + chord.bars) return chord;
    start += chord.bars;
  }
  return kProgression.back();
}

int ChordStartBar(const Chord& chord) {
  int start = 0;
  for (const Chord& c : kProgression) {
    if (&c == &chord) break;
    start += c.bars;
  }
  return start;
}

// The nearest note of the chord at least a minor third below `midi`: the second voice of the
// melody's reprise, always consonant with the pads under it.
int ChordToneBelow(int midi, const Chord& chord) {
  for (int candidate = midi - 3; candidate > midi - 12; --candidate) {
    const int pitchClass = candidate % 12;
    if (pitchClass == chord.root % 12) return candidate;
    for (const int tone : chord.pad) {
      if (tone % 12 == pitchClass) return candidate;
    }
  }
  return midi - 12;
}

void AddDrums(Score& score, int bar) {
  const int base = bar * kStepsPerBar;
  const int inPhrase = bar % 8;
  const bool fill = bar % kProgressionBars == kProgressionBars - 1;
  const bool secondPass = bar >= kProgressionBars;

  auto hit = [&](int step, Drum drum, float velocity) {
    score.drums.push_back({base + step, drum, velocity});
  };

  hit(0, Drum::kKick, 1.0f);
  hit(8, Drum::kKick, 0.95f);
  if (bar % 2 == 1 && !fill) hit(11, Drum::kKick, 1.0f);

  hit(4, Drum::kSnare, 1.0f);
  hit(12, Drum::kSnare, 0.97f);
  // Phrase ends push into the next bar with a snare on the last sixteenth, clear of the open
  // hat on the off-beat before it (the two together are the loudest moment of the loop).
  if (inPhrase == 7 && !fill) hit(15, Drum::kSnare, 0.9f);
  if (fill) {
    // A short roll back to the top: the quiet strokes are ghosts, the last one lands.
    hit(13, Drum::kSnare, 0.35f);
    hit(14, Drum::kSnare, 0.45f);
    hit(15, Drum::kSnare, 0.95f);
  }

  for (int step = 0; step < kStepsPerBar; step += 2) {
    const bool open = inPhrase == 7 && step == 14;
    // The beat the globe sees is on the off-beat hats; those on the beat are lighter, which
    // is both the groove and kinder to the ear over hours.
    const bool offBeat = step % 4 == 2;
    const float velocity = (offBeat ? 0.97f : 0.35f) + 0.03f * Wobble(base + step, 7);
    hit(step, open ? Drum::kOpenHat : Drum::kClosedHat, open ? 1.0f : velocity);
    if (secondPass && !open && step + 1 < kStepsPerBar) {
      hit(step + 1, Drum::kClosedHat, 0.25f + 0.04f * Wobble(base + step, 11));
    }
  }
}

void AddHarmony(Score& score, int bar) {
  const Chord& chord = ChordAtBar(bar);
  const int base = bar * kStepsPerBar;
  // Pads last the whole chord; they are struck once, on its first bar.
  if (bar % kProgressionBars == ChordStartBar(chord)) {
    for (const int midi : chord.pad) {
      score.pads.push_back({base, chord.bars * kStepsPerBar, midi, 1.0f});
    }
  }
  const bool breakdown = bar >= kProgressionBars && bar < kProgressionBars + 8;
  if (breakdown) {
    score.bass.push_back({base, 15, chord.root, 0.9f});
  } else {
    score.bass.push_back({base, 7, chord.root, 1.0f});
    score.bass.push_back({base + 8, 5, chord.root, 0.9f});
    score.bass.push_back({base + 14, 2, chord.root + 7, 0.8f});
  }

  // Arpeggios from the second half of the first pass on: two octaves of the voicing, up and
  // back, a note every eighth.
  if (bar >= 8) {
    constexpr std::array<int, 8> kPattern = {0, 1, 2, 3, 4, 3, 2, 1};
    for (std::size_t i = 0; i < kPattern.size(); ++i) {
      const int index = kPattern[i];
      const int midi = chord.pad[static_cast<std::size_t>(index % 4)] + 12 * (1 + index / 4);
      const float velocity = i % 2 == 0 ? 0.75f : 0.55f;
      score.plucks.push_back({base + 2 * static_cast<int>(i), 2, midi, velocity});
    }
  }

  // While the melody rests, a few soft high notes drift down like flakes.
  if (breakdown) {
    for (int k = 0; k < 2; ++k) {
      const std::uint32_t h = Hash(static_cast<std::uint32_t>(bar * 4 + k) ^ 0x51edU);
      const int step = 2 + 8 * k + 2 * static_cast<int>(h % 3U);
      int midi = chord.pad[h / 3U % 4U] + 24;
      if (midi > 91) midi -= 12;
      score.sparkles.push_back({base + step, 4, midi, 0.45f + 0.1f * static_cast<float>(k)});
    }
  }
}

void AddMelody(Score& score) {
  for (const PhraseNote& note : kMelody) {
    const int step = note.bar * kStepsPerBar + note.step;
    const float accent = note.step % 4 == 0 ? 1.0f : 0.8f;
    // First pass: the whole tune.
    score.melody.push_back({step, note.lengthSteps, note.midi, accent});
    // Second pass: after the breakdown, its second half again in two voices.
    if (note.bar >= 8) {
      const int again = step + kProgressionBars * kStepsPerBar;
      score.melody.push_back({again, note.lengthSteps, note.midi, accent});
      const int below = ChordToneBelow(note.midi, ChordAtBar(note.bar));
      score.melody.push_back({again, note.lengthSteps, below, 0.55f * accent});
    }
  }
}

}  // namespace

Score WinterScore() {
  Score score;
  for (int bar = 0; bar < kBars; ++bar) {
    AddDrums(score, bar);
    AddHarmony(score, bar);
  }
  AddMelody(score);
  return score;
}

}  // namespace frost::musicgen
