#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace frost::artgen {

// Baseline JPEG of a three-channel picture, full-resolution chroma (the sky's gradients and the
// small sprites band visibly with halved chroma). Empty on failure. Always three channels: the
// scene's loader builds one-channel pictures as intensity textures, and cube faces as RGB only.
std::vector<std::uint8_t> EncodeJpeg(const Image& image, int quality);

}  // namespace frost::artgen
