#pragma once

#include "image.h"

namespace frost::artgen {

// Frost on glass: feathery ice crystals grown from scattered nuclei over a faint milky haze.
// Drawn on a torus (every stroke wraps at the edges), so the tile repeats without a seam, as
// the globe's glass repeats it.
Image FrostGlass(int size);

}  // namespace frost::artgen
