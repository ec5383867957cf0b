// A cross-section turned round an upright axis, as on a lathe: the medallion and the collars
// that hold the emblem's jewels.
#pragma once

#include <vector>

#include "table_builder.h"

namespace frost::meshgen {

// A direction in the cross-section: away from the axis, and up.
struct SectionNormal {
  double out = 0.0;
  double up = 0.0;
  bool operator==(const SectionNormal&) const = default;
};

struct SectionPoint {
  double radius = 0.0;  // from the axis; 0 puts a single vertex on it
  double z = 0.0;
  int segments = 0;  // vertices round the ring
  // Normals of the bands before and after this point. Where they agree the surface is smooth;
  // where they differ the ring is a hard edge.
  SectionNormal before;
  SectionNormal after;
};

struct TurnedShape {
  Point2 axis;  // where the axis meets the xy plane
  // Walked with the outside on the left, in the plane of (radius, z).
  std::vector<SectionPoint> section;
  bool closed = false;      // the section's last point joins its first, as on a ring
  double xScale = 1.0;      // squeezes the whole shape along x
  double startAngle = 0.0;  // radians from +x of every ring's first vertex
};

void AddTurnedSurface(TableBuilder& builder, const TurnedShape& shape);

}  // namespace frost::meshgen
