// A small rose-cut jewel: seven sides and eight rows of staggered facets rising to a point. It
// is open underneath, where it sits sunk into whatever holds it.
#pragma once

#include "table_builder.h"

namespace frost::meshgen {

inline constexpr int kJewelSides = 7;
inline constexpr int kJewelRows = 8;
inline constexpr int kJewelVertices = kJewelRows * kJewelSides + 1;
inline constexpr int kJewelFacets = (2 * kJewelRows - 1) * kJewelSides;  // one normal each
// Height of the point above the seat, in girdle radii.
inline constexpr double kJewelHeight = 0.85;

struct JewelPlacement {
  Point2 centre;
  double seat = 0.0;    // height of the surface it is set into
  double radius = 0.0;  // at the girdle
  double turn = 0.0;    // radians about the upright axis
};

// Appends a jewel and returns its first normal. A jewel cut and turned like an earlier one
// faces every way that one does, at any size and place, so it may pass that jewel's first
// normal as `sharedNormals` and reuse its normals instead of adding its own.
int AddJewel(TableBuilder& builder, const JewelPlacement& placement, int sharedNormals = -1);

}  // namespace frost::meshgen
