#include "palette_image.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace frost::artgen {
namespace {

using Rgb8 = std::array<int, 3>;

struct Box {
  std::vector<Rgb8> colours;

  // The channel with the widest range, and that range.
  std::pair<int, int> WidestChannel() const {
    int best = 0;
    int bestRange = -1;
    for (int channel = 0; channel < 3; ++channel) {
      int lo = 255, hi = 0;
      for (const Rgb8& c : colours) {
        lo = std::min(lo, c[channel]);
        hi = std::max(hi, c[channel]);
      }
      if (hi - lo > bestRange) {
        bestRange = hi - lo;
        best = channel;
      }
    }
    return {best, bestRange};
  }
};

}  // namespace

PaletteImage ReduceColours(const Image& image, int colours, int firstEntry) {
  PaletteImage result;
  result.width = image.Width();
  result.height = image.Height();
  colours = std::clamp(colours, 1, 256 - firstEntry);

  const std::vector<std::uint8_t> rgb = image.ToRgb8();
  std::vector<Rgb8> pixels;
  pixels.reserve(rgb.size() / 3);
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
    pixels.push_back({rgb[i], rgb[i + 1], rgb[i + 2]});

  std::vector<Box> boxes{Box{pixels}};
  while (static_cast<int>(boxes.size()) < colours) {
    // Split the box whose widest channel is widest; weighting by size would spend entries on
    // the large flat sky and starve the small bright highlights.
    int chosen = -1;
    int chosenRange = 0;
    int chosenChannel = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].colours.size() < 2) continue;
      const auto [channel, range] = boxes[i].WidestChannel();
      if (range > chosenRange) {
        chosen = static_cast<int>(i);
        chosenRange = range;
        chosenChannel = channel;
      }
    }
    if (chosen < 0) break;  // every box holds a single colour
    std::vector<Rgb8>& source = boxes[chosen].colours;
    std::sort(source.begin(), source.end(),
              [c = chosenChannel](const Rgb8& a, const Rgb8& b) { return a[c] < b[c]; });
    const std::size_t middle = source.size() / 2;
    Box upper{
        std::vector<Rgb8>(source.begin() + static_cast<std::ptrdiff_t>(middle), source.end())};
    source.resize(middle);
    boxes.push_back(std::move(upper));
  }

  for (std::size_t i = 0; i < boxes.size(); ++i) {
    long sum[3] = {0, 0, 0};
    for (const Rgb8& c : boxes[i].colours) {
      for (int k = 0; k < 3; ++k) sum[k] += c[k];
    }
    const auto n = static_cast<long>(std::max<std::size_t>(boxes[i].colours.size(), 1));
    PaletteEntry& entry = result.palette[static_cast<std::size_t>(firstEntry) + i];
    entry.r = static_cast<std::uint8_t>((sum[0] + n / 2) / n);
    entry.g = static_cast<std::uint8_t>((sum[1] + n / 2) / n);
    entry.b = static_cast<std::uint8_t>((sum[2] + n / 2) / n);
  }

  const int used = static_cast<int>(boxes.size());
  result.indices.reserve(pixels.size());
  for (const Rgb8& c : pixels) {
    int best = firstEntry;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = firstEntry; i < firstEntry + used; ++i) {
      const PaletteEntry& e = result.palette[static_cast<std::size_t>(i)];
      const int dr = c[0] - e.r, dg = c[1] - e.g, db = c[2] - e.b;
      const int distance = dr * dr + dg * dg + db * db;
      if (distance < bestDistance) {
        bestDistance = distance;
        best = i;
      }
    }
    result.indices.push_back(static_cast<std::uint8_t>(best));
  }
  return result;
}

}  // namespace frost::artgen
