// Triangles for a flat face with holes, such as the top of the pierced snowflake emblem.
#pragma once

#include <array>
#include <vector>

#include "table_builder.h"

namespace frost::meshgen {

// loops[0] is the outline, counter-clockwise; the others are holes, clockwise, inside the
// outline and clear of each other. No three consecutive points of a loop may lie on one line.
// The result indexes the loops' points numbered one after another (loop 0 first), each
// triangle counter-clockwise: n points with h holes give n + 2h - 2 triangles. It is empty
// when the loops do not make such a polygon.
std::vector<std::array<int, 3>> TriangulatePolygon(const std::vector<std::vector<Point2>>& loops);

}  // namespace frost::meshgen
