// Where the mouse and the beats push the globe.
#pragma once

#include "scene/float4.h"

namespace frost {

// Where the globe stands this frame: nudged by the mouse (cursorDx, cursorDy = saved minus
// current position, screen pixels) and, when dancing, shaken by the three beat pulses.
Float4 GlobeOffset(float t, bool dance, int cursorDx, int cursorDy, float lowPulse, float midPulse,
                   float highPulse);

}  // namespace frost
