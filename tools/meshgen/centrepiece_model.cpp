// The centrepiece's tables, in the order the scene's lists read them.
//
// Each part's size is fixed by the table layout: the emblem has 1314 vertices, 1454 normals and
// 2610 faces; the medallion 1320, 1338 and 2529; the banner 3671, 3680 of its own normals (and
// the emblem's last jewel's 105) and 7317. For a triangulated surface F = 2V - B - 2X, with B
// its open edges and X its Euler characteristic, so the shapes' topology settles the face count
// once the vertex count is right:
//   - emblem: one solid with ten holes (the middle and nine windows), X = -18, and six jewels
//     open underneath along 7 edges each, X = 1 (their collars are rings, X = 0):
//     B + 2X = 42 + 12 - 36 = 18;
//   - medallion: a disc open in the middle along 109 edges: B + 2X = 111;
//   - banner: open underneath along 14 edges, its jewel along 7: B + 2X = 21 + 4 = 25.
// The vertex and normal counts then come from the ring, row and column counts and from which
// edges are hard; the unit tests pin every one of them.
#include "centrepiece_parts.h"
#include "mesh_models.h"

namespace frost::meshgen {

CentrepieceTables BuildCentrepiece() {
  CentrepieceTables t;
  TableBuilder builder(t.vertices, t.normals, t.faces);
  const JewelCut jewel = BuildEmblem(builder);
  BuildMedallion(builder);
  BuildBanner(builder, jewel);
  return t;
}

}  // namespace frost::meshgen
