// The order in which a window gives up on its pixel format: keep colour and double buffering,
// give up depth precision and then alpha before giving up the window.
#pragma once

#include <vector>

#include "platform/platform.h"

namespace frost {

inline std::vector<PixelFormatRequest> PixelFormatFallbacks(const PixelFormatRequest& wanted) {
  std::vector<PixelFormatRequest> tries{wanted};
  for (int depth : {24, 16}) {
    if (wanted.depthBits > depth) {
      PixelFormatRequest lower = tries.back();
      lower.depthBits = depth;
      tries.push_back(lower);
    }
  }
  if (wanted.alphaBits > 0) {
    PixelFormatRequest noAlpha = tries.back();
    noAlpha.alphaBits = 0;
    tries.push_back(noAlpha);
  }
  return tries;
}

}  // namespace frost
