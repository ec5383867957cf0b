// What the scene tests measure in a frame: which part of the world each pixel shows, bright
// specks, and plain statistics.
#pragma once

#include <vector>

#include "frame_view.h"
#include "picture.h"

namespace frost::scene_test {

enum class Region {
  kGlobe,        // inside the glass's disc
  kGlobeMargin,  // just outside it, where its glow and rim reflections spill over
  kSky,          // well above the horizon, clear of the globe
  kGround,       // well below the horizon, clear of the globe and its shadow
  kOther,        // near the horizon (mountains, trees) or under the globe's shadow
};

// The region of every pixel, row by row from the top.
std::vector<Region> ClassifyPixels(const FrameView& view);

struct Speck {
  int x = 0;
  int y = 0;
};

// Small bright spots: pixels at least as bright as their eight neighbours and clearly brighter
// than the ring of pixels three away. One snowflake sprite gives one speck; smooth sky, snow
// fields and soft glow give none.
std::vector<Speck> FindSpecks(const Picture& picture);

double MeanLuma(const Picture& picture);

}  // namespace frost::scene_test
