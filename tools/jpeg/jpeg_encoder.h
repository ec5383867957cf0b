// The project's one JPEG encoder: the generators' pictures, the capture tool's frames and the
// tests' pictures all come out of it, so they share one set of settings and one error path.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace frost::jpeg {

// Halved suits photographs and frames; the sky's gradients and small sprites band visibly with
// halved chroma, so the generators keep it whole.
enum class Chroma { Halved, Full };

// Baseline JPEG of `pixels`: rows top first, `channels` bytes a pixel (1 grey, 3 RGB). The
// integer DCT gives the same bytes on every machine. Empty on failure, with libjpeg's reason on
// standard error.
std::vector<std::uint8_t> Encode(const std::uint8_t* pixels, int width, int height, int channels,
                                 int quality, Chroma chroma);

// Encodes and writes the file; false when either fails.
bool WriteFile(const std::string& path, const std::uint8_t* pixels, int width, int height,
               int channels, int quality, Chroma chroma);

}  // namespace frost::jpeg
