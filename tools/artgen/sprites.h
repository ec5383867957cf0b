#pragma once

#include "image.h"

namespace frost::artgen {

// A soft round glow: white in the middle, falling smoothly to black at the inscribed circle,
// black corners. The scene uses it as the globe's shadow (it darkens by the texel), the sun
// sprite and every lens-flare element (added), so it must have no visible edge or ring.
Image GlowSprite(int size);

// A six-armed snowflake, white on black (the flakes are added onto the frame). Arms are broad
// and the centre glows, because the sprite is minified without mipmaps: a small flake must
// still land its samples on bright texels.
Image SnowflakeSprite(int size);

}  // namespace frost::artgen
