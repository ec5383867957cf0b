#pragma once

#include "image.h"
#include "vec3.h"

namespace frost::artgen {

// A warm-lit photo studio for the centrepiece's mirror finish: a dark room with a large warm key
// softbox, a cool fill, an amber strip light, an overhead bar, a bright cyclorama sweep at eye
// level and a string of small warm bulbs. Chrome reads as chrome only when it has strong
// highlights against deep darks to reflect.
Colour StudioLight(const Vec3& d);

}  // namespace frost::artgen
