#pragma once

#include "image.h"

namespace frost::artgen {

// Wind-packed snow seen from above: broad drifts, fine wind ripples, blue shade in the hollows
// and a few glints. Tiles seamlessly; the scene repeats it ten times across the ground disc.
Image SnowGround(int size);

// Fine light-grey grain for the ground's second texture unit. That unit multiplies (GL_MODULATE)
// with no scale, so mid-grey would halve the snow's brightness: the grain averages about 0.88
// and only breaks up the repetition of the snow tile. Tiles seamlessly.
Image DetailGrain(int size);

}  // namespace frost::artgen
