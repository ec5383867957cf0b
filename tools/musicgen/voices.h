// The pitched instruments. Each returns one note, silent at both ends so it can be dropped
// anywhere in the loop; levels are about 1 at full velocity and the mix sets the balance.
#pragma once

#include <cstdint>
#include <vector>

namespace frost::musicgen {

struct StereoSound {
  std::vector<float> left;
  std::vector<float> right;
};

// A celesta: a bright strike that mellows into a ringing fundamental and its octave. Upper
// partials are short-lived so the melody never keeps the snare's band busy.
std::vector<float> RenderCelesta(double hz, double velocity);

// A slow string-like pad: four slightly detuned soft saws spread across the stereo field. It
// swells in over a second, holds for `holdFrames` and fades out after.
StereoSound RenderPad(double hz, std::int64_t holdFrames, std::uint64_t seed);

// A round bass: fundamental with a little second and third harmonic, held for `holdFrames`.
std::vector<float> RenderBass(double hz, std::int64_t holdFrames);

// A soft plucked tone for arpeggios, like a muted harp.
std::vector<float> RenderPluck(double hz, double velocity);

}  // namespace frost::musicgen
