#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "palette_image.h"

namespace frost::artgen {

inline constexpr int kLogoWidth = 122;
inline constexpr int kLogoHeight = 121;
inline constexpr int kIconSize = 32;

// The logo as the configuration dialog shows it (bitmap 111): 256 colours.
PaletteImage LogoBitmap();
// The program's icon (icon 104): 255 colours and black, which the transparent pixels use.
PaletteImage IconBitmap(std::vector<bool>& opaque);

// The files the dialogs are built with, relative to the output folder.
const std::vector<std::string>& DialogArtFiles();

// Writes bitmap111.bmp and icon104.ico into the folder (created when missing). False, with a
// message on stderr, when a file cannot be written.
bool WriteDialogArt(const std::filesystem::path& folder);

}  // namespace frost::artgen
