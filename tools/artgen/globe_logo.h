#pragma once

#include <vector>

#include "image.h"

namespace frost::artgen {

// A picture with a coverage value (0 transparent to 1 opaque) per pixel, top row first.
struct CoveredImage {
  Image colour;
  std::vector<double> coverage;
};

// The dialogs' logo: a snow globe with two snowy firs, falling snow and a glass highlight, on
// a turned wooden base, under a night sky with stars. Opaque; drawn for 122 x 121.
Image GlobeLogo(int width, int height);

// The same globe and base framed tightly and without the sky, for the program's icon; the
// coverage is zero around them.
CoveredImage GlobeIcon(int size);

}  // namespace frost::artgen
