#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace frost::artgen {

// Every file the generator writes, relative to the data folder.
const std::vector<std::string>& ArtFiles();

// Writes the whole set into dataFolder (folders are created). The same inputs give the same
// bytes on every run. Stops at the first file that cannot be made and returns false, with a
// message on stderr.
bool WriteArtSet(const std::filesystem::path& dataFolder, const std::filesystem::path& fontFile);

}  // namespace frost::artgen
