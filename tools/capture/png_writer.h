#pragma once

#include <string>

namespace frost::capture {

// Reads the current GL colour buffer (width x height, bottom row first) and writes it as an
// RGB PNG, top row first. False when the file cannot be written.
bool WriteFramePng(const std::string& path, int width, int height);

}  // namespace frost::capture
