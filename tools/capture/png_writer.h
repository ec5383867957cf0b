#pragma once

#include <string>
#include <vector>

namespace frost::capture {

// Writes tightly packed RGB rows, top row first, as a PNG. False when the file cannot be written.
bool WritePng(const std::string& path, const std::vector<unsigned char>& pixels, int width,
              int height);

}  // namespace frost::capture
