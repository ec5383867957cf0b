#pragma once

#include <filesystem>

namespace frost::artgen::testing {

// The data folder the build painted: the very files the scene loads. (ctest runs every test in
// a process of its own, so painting per process would repeat the work dozens of times.)
std::filesystem::path GeneratedArt();

// A fresh folder in a private temporary root that is removed when the tests end, for the
// tests that paint again.
std::filesystem::path ScratchFolder(const char* name);

std::filesystem::path FontFile();

}  // namespace frost::artgen::testing
