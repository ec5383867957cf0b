// The vertex, normal and triangle tables of the scene's two solid models. Our modeller
// (tools/meshgen) writes them at build time and the program holds them as data; the mesh objects
// compile them into display lists once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace frost {

struct Vec3f {
  float x;
  float y;
  float z;
};

// One triangle: corner k pairs vertex[k] with normal[k]. Corners run counter-clockwise seen
// from the side the normals point to.
struct FaceVN {
  std::int16_t vertex[3];
  std::int16_t normal[3];
};

// The sphere's records carry three more indices that nothing reads.
struct FaceVNT {
  std::int16_t vertex[3];
  std::int16_t normal[3];
  std::int16_t unused[3];
};

static_assert(sizeof(Vec3f) == 12);
static_assert(sizeof(FaceVN) == 12);
static_assert(sizeof(FaceVNT) == 18);

// The inside-out glass sphere: radius 0.5, 75 segments, 37 bands, normals towards the centre.
struct SphereTables {
  std::vector<FaceVNT> faces;   // 5400
  std::vector<Vec3f> vertices;  // 2702: +Z pole, 36 rings of 75, -Z pole
  std::vector<Vec3f> normals;   // 2702
};

// The centrepiece: three parts in one face array, drawn as three display lists.
struct CentrepieceTables {
  static constexpr std::array<std::size_t, 4> kGroupStart{0, 2610, 5139, 12456};
  std::vector<FaceVN> faces;    // 12456
  std::vector<Vec3f> vertices;  // 6305
  std::vector<Vec3f> normals;   // 6472
};

const SphereTables& SphereTable();
const CentrepieceTables& CentrepieceTable();

}  // namespace frost
