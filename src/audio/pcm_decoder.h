// Something that turns a file or a disc into stereo float frames at the mixing rate.
#pragma once

#include <cstddef>

namespace frost {

class PcmDecoder {
 public:
  virtual ~PcmDecoder() = default;
  // Fills up to `frames` frames (interleaved left, right, in -1 .. 1) and returns how many it
  // gave; 0 means it has nothing more, ever. Runs on one thread at a time.
  virtual std::size_t Decode(float* stereo, std::size_t frames) = 0;
};

}  // namespace frost
