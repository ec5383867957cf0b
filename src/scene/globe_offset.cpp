#include "scene/globe_offset.h"

#include <cmath>

namespace frost {

Float4 GlobeOffset(float t, bool dance, int cursorDx, int cursorDy, float lowPulse, float midPulse,
                   float highPulse) {
  const float d = dance ? 1.0f : 0.0f;
  Float4 g{0.0f, 0.0f, 0.0f, 1.0f};
  g.x = (d * std::cos(1.7f * t + 23.0f) * highPulse + static_cast<float>(cursorDx)) * 0.0005f;
  g.z = (d * std::sin(t) * lowPulse + static_cast<float>(cursorDy)) * 0.0005f;
  g.y = d * std::sin(0.7f * t + 11.0f) * midPulse * 0.0005f + (g.x + g.z) * 0.5f;
  return g;
}

}  // namespace frost
