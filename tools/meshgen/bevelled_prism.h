// A flat-topped solid raised from an outline with holes: upright walls, a bevel round the top
// edge and flat top and bottom faces. The emblem's snowflake is one of these.
#pragma once

#include <vector>

#include "table_builder.h"

namespace frost::meshgen {

struct PrismLoop {
  // The solid lies to the left: counter-clockwise for the outline, clockwise for a hole.
  std::vector<Point2> points;
  // 1 cuts the top edge as one flat chamfer; more rounds it over in that many facets.
  int bevelSteps = 1;
  double bevelWidth = 0.0;
  double bevelHeight = 0.0;
};

struct PrismShape {
  std::vector<PrismLoop> loops;  // loops[0] the outline, the others holes in it
  double bottom = 0.0;
  double top = 0.0;
  // Corners that turn by more than this many degrees get a hard edge; gentler ones, where a
  // curve is drawn with short edges, are shaded smooth.
  double creaseDegrees = 30.0;
};

// Appends the closed solid; false (with nothing appended) when its top or bottom face cannot
// be triangulated.
bool AddBevelledPrism(TableBuilder& builder, const PrismShape& shape);

}  // namespace frost::meshgen
