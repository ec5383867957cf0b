// The centrepiece's three parts, appended to the tables in group order: the emblem (group 0),
// the medallion (group 1) and the banner (group 2).
//
// The model lies in the xy plane, front towards +z, about one unit across: a medallion with a
// raised plateau in the middle and a moat round it, a pierced snowflake emblem standing in the
// moat, and a folded banner on the plateau. The emblem and the medallion turn together about
// z while the banner stays put, so nothing of the emblem rises into the disc the banner sweeps.
#pragma once

#include "table_builder.h"

namespace frost::meshgen {

// Heights and radii the parts agree on.
inline constexpr double kPlateauTop = 0.053;     // the medallion's plateau and rim
inline constexpr double kPlateauRadius = 0.225;  // where the plateau's edge starts to fall
inline constexpr double kMoatFloor = 0.024;
inline constexpr double kEmblemInnerRadius = 0.252;
inline constexpr double kBannerBottom = 0.048;  // sunk a little into the plateau

// What the banner needs from the emblem to set a jewel like the emblem's last one.
struct JewelCut {
  int firstNormal = 0;
  double turn = 0.0;
};

JewelCut BuildEmblem(TableBuilder& builder);
void BuildMedallion(TableBuilder& builder);
void BuildBanner(TableBuilder& builder, const JewelCut& jewel);

}  // namespace frost::meshgen
