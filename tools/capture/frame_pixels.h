#pragma once

#include <vector>

namespace frost::capture {

// The current GL colour buffer, width x height, as tightly packed RGB rows, top row first (the
// order picture files keep).
std::vector<unsigned char> ReadFramePixels(int width, int height);

}  // namespace frost::capture
