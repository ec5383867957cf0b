#pragma once

#include <filesystem>
#include <optional>

#include "tga_encoder.h"

namespace frost::artgen {

// The glyph sheet the bitmap font reads: 16 columns by 8 rows of square cells, glyph i (0 to 95)
// showing character 32 + i in column i % 16, row i / 16 from the top; the last two rows stay
// empty. Each glyph is centred on its cell, baselines aligned, coverage 0 to 255.
// Nothing when the font file cannot be read.
std::optional<CoverageImage> RenderFontAtlas(const std::filesystem::path& fontFile, int cell);

}  // namespace frost::artgen
