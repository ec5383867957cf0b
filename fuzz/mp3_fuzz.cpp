// The music: any bytes where an MP3 should be, opened and decoded as the stream thread would.
#include <cstdint>
#include <vector>

#include "audio/fmod_errors.h"
#include "audio/mp3_decoder.h"
#include "fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  frost::fuzzing::FuzzPlatform();
  const frost::fuzzing::InputFile input(data, size);
  int error = frost::FMOD_ERR_NONE;
  // Looping, as the screen saver plays it: a file must neither hang the decoder nor spin it.
  auto decoder = frost::Mp3Decoder::Open(input.Path(), 44100, true, error);
  if (!decoder) {
    if (error == frost::FMOD_ERR_NONE) __builtin_trap();  // a failure must say why
    return 0;
  }
  std::vector<float> buffer(1024 * 2);
  // A few seconds of music at most, and every sample a number.
  for (int block = 0; block < 200; ++block) {
    const std::size_t got = decoder->Decode(buffer.data(), 1024);
    if (got == 0) break;
    if (got > 1024) __builtin_trap();
    for (std::size_t i = 0; i < got * 2; ++i) {
      if (!(buffer[i] == buffer[i])) __builtin_trap();  // NaN
    }
  }
  return 0;
}
