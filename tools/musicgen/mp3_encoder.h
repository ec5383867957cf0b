// MP3 encoding with LAME for a loop that must join without a click.
#pragma once

#include <cstdint>
#include <vector>

#include "stereo_loop.h"

namespace frost::musicgen {

// 192 kbit/s constant bit rate, joint stereo, 44100 Hz, gapless: the first frame is a LAME
// "Info" frame whose delay and padding tell the decoder (libmpg123 honours them by default)
// to return exactly the loop's samples. Empty on failure, with a message.
std::vector<std::uint8_t> EncodeMp3(const StereoLoop& loop);

}  // namespace frost::musicgen
