// What is played and when, on the sixteenth-note grid of loop_timing.h: a 16-bar progression
// in A minor heard twice, a celesta melody, arpeggios, pads, bass and drums.
#pragma once

#include <vector>

namespace frost::musicgen {

enum class Drum { kKick, kSnare, kClosedHat, kOpenHat };

struct DrumHit {
  int step;
  Drum drum;
  float velocity;
};

struct Note {
  int step;
  int lengthSteps;
  int midi;
  float velocity;
};

// Hits softer than this are ghost notes: texture between the beats, meant to stay under the
// thresholds at which the globe's beat detector fires.
inline constexpr float kGhostVelocity = 0.5f;

struct Score {
  std::vector<DrumHit> drums;
  std::vector<Note> pads;
  std::vector<Note> bass;
  std::vector<Note> melody;    // celesta, full strength
  std::vector<Note> sparkles;  // celesta, soft high notes between the melody's phrases
  std::vector<Note> plucks;
};

Score WinterScore();

}  // namespace frost::musicgen
