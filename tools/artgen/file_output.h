#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace frost::artgen {

// Writes the bytes to the path, creating missing folders. False when anything fails; the
// message says which file.
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace frost::artgen
