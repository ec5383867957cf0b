#pragma once

#include <vector>

namespace frost::capture {

// The current GL colour buffer, width x height, as tightly packed RGB rows, bottom row first.
std::vector<unsigned char> ReadFramePixels(int width, int height);

}  // namespace frost::capture
