// MP3 files for tests, encoded with LAME from samples the test makes up.
#pragma once

#include <string>
#include <vector>

namespace frost::testing {

// `stereo` is interleaved left, right in -1 .. 1. The file carries LAME's Info tag, so a
// gapless decoder gives back exactly as many frames as went in.
bool WriteMp3(const std::string& path, const std::vector<float>& stereo, int rate = 44100,
              int kbps = 192);

// `seconds` of a sine of `amplitude` at `hz` on both channels.
std::vector<float> Sine(double hz, double amplitude, double seconds, int rate = 44100);

}  // namespace frost::testing
