// The generated music file read back the way the saver reads it (libmpg123 with gapless
// decoding, 32-bit float samples), and the loop it was made from.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "stereo_loop.h"

namespace frost::musicgen::testing {

struct DecodedMusic {
  long rate = 0;
  int channels = 0;
  std::vector<float> left;
  std::vector<float> right;  // the left channel again for a mono file
  std::string error;         // empty when the file decoded

  std::size_t Frames() const { return left.size(); }
  // (left + right) / 2 times `gain`, the signal the saver's spectrum is taken of.
  std::vector<float> Mono(float gain) const;
};

DecodedMusic DecodeMp3(const std::string& path);

// The build's own endcreds.mp3, decoded once for all the tests that need it.
const DecodedMusic& GeneratedMusic();

// The loop as the generator synthesises it before encoding, rendered once.
const StereoLoop& SynthesisedLoop();

}  // namespace frost::musicgen::testing
