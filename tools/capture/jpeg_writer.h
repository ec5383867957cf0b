#pragma once

#include <string>

namespace frost::capture {

// Reads the current GL colour buffer (width x height, bottom row first) and writes it as a
// baseline JPEG of the given quality, top row first. False when the file cannot be written.
bool WriteFrameJpeg(const std::string& path, int width, int height, int quality = 90);

}  // namespace frost::capture
