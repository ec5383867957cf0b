// The drum kit, one hit at a time. Each sound is shaped for the band the globe listens to:
// the kick's energy sits below 130 Hz, the snare's noise peaks between 4.3 and 5.1 kHz, the
// hi-hat's between 10.8 and 12.9 kHz, and none of them spills much into another's band, so
// each drum moves its own part of the globe.
#pragma once

#include <cstdint>
#include <vector>

namespace frost::musicgen {

// A sine that falls from about 150 Hz to 46 Hz in the first few tens of milliseconds, driven
// towards a square, with a soft click. Peak about 1.
std::vector<float> RenderKick(std::uint64_t seed);
// Two damped tones for the shell and a noise burst centred on 4.7 kHz for the wires.
std::vector<float> RenderSnare(std::uint64_t seed);
// High-passed noise; `open` lets it ring several times as long.
std::vector<float> RenderHat(std::uint64_t seed, bool open);

}  // namespace frost::musicgen
