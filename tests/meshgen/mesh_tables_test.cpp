#include "geometry/mesh_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <map>
#include <numbers>
#include <set>
#include <utility>
#include <vector>

#include "centrepiece_parts.h"
#include "mesh_models.h"

namespace frost {
namespace {

struct D3 {
  double x, y, z;
};
D3 Of(const Vec3f& v) {
  return {v.x, v.y, v.z};
}
D3 Minus(D3 a, D3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double Dot(D3 a, D3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
D3 Cross(D3 a, D3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Length(D3 a) {
  return std::sqrt(Dot(a, a));
}
double Degrees(D3 a, D3 b) {
  return std::acos(std::clamp(Dot(a, b) / (Length(a) * Length(b)), -1.0, 1.0)) * 180.0 /
         std::numbers::pi;
}

template <typename Face>
D3 Winding(const Face& f, const std::vector<Vec3f>& vertices) {
  const D3 a = Of(vertices[f.vertex[0]]);
  return Cross(Minus(Of(vertices[f.vertex[1]]), a), Minus(Of(vertices[f.vertex[2]]), a));
}

// Edges used by the faces [begin, end): each directed edge with how often it occurs.
template <typename Face>
std::map<std::pair<int, int>, int> DirectedEdges(const std::vector<Face>& faces, std::size_t begin,
                                                 std::size_t end) {
  std::map<std::pair<int, int>, int> edges;
  for (std::size_t f = begin; f < end; ++f) {
    for (int k = 0; k < 3; ++k) ++edges[{faces[f].vertex[k], faces[f].vertex[(k + 1) % 3]}];
  }
  return edges;
}

// Edges with no face on their other side. Fails the test where an edge is used twice in one
// direction, which would mean two faces disagree about which side is out.
template <typename Face>
std::vector<std::pair<int, int>> OpenEdges(const std::vector<Face>& faces, std::size_t begin,
                                           std::size_t end) {
  std::vector<std::pair<int, int>> open;
  const auto edges = DirectedEdges(faces, begin, end);
  for (const auto& [edge, count] : edges) {
    EXPECT_EQ(count, 1) << "edge " << edge.first << "-" << edge.second;
    if (!edges.contains({edge.second, edge.first})) open.push_back(edge);
  }
  return open;
}

// ---------------------------------------------------------------------------------------------

TEST(MeshTableRecords, NormalIndicesFollowTheVertexIndices) {
  EXPECT_EQ(offsetof(FaceVNT, normal), 6u);
  EXPECT_EQ(offsetof(FaceVNT, unused), 12u);
  EXPECT_EQ(offsetof(FaceVN, normal), 6u);
  const SphereTables& sphere = SphereTable();
  const auto* bytes = reinterpret_cast<const unsigned char*>(sphere.faces.data());
  std::int16_t second[3];
  std::memcpy(second, bytes + 18, sizeof second);
  EXPECT_EQ(second[0], sphere.faces[1].vertex[0]) << "sphere records are 18 bytes apart";
}

TEST(SphereTable, HasItsCountsPolesAndEndRecords) {
  const SphereTables& t = SphereTable();
  ASSERT_EQ(t.faces.size(), 5400u);
  ASSERT_EQ(t.vertices.size(), 2702u);
  ASSERT_EQ(t.normals.size(), 2702u);
  EXPECT_FLOAT_EQ(t.vertices[0].z, 0.5f);
  EXPECT_FLOAT_EQ(t.vertices[2701].z, -0.5f);

  const FaceVNT& first = t.faces.front();
  EXPECT_EQ(std::vector<int>(first.vertex, first.vertex + 3), (std::vector<int>{1, 0, 2}));
  EXPECT_EQ(std::vector<int>(first.normal, first.normal + 3), (std::vector<int>{0, 1, 2}));
  const FaceVNT& last = t.faces.back();
  EXPECT_EQ(std::vector<int>(last.vertex, last.vertex + 3), (std::vector<int>{2626, 2701, 2700}));
}

TEST(SphereTable, RingsOf75LieOnTheSphereAndFaceItsCentre) {
  const SphereTables& t = SphereTable();
  for (std::size_t i = 0; i < t.vertices.size(); ++i) {
    const D3 v = Of(t.vertices[i]);
    const D3 n = Of(t.normals[i]);
    EXPECT_NEAR(Length(v), 0.5, 1e-6) << i;
    EXPECT_NEAR(Length(n), 1.0, 1e-6) << i;
    EXPECT_LT(Degrees(n, {-v.x, -v.y, -v.z}), 1e-4) << i;
  }
  for (int ring = 0; ring < 36; ++ring) {
    const float z = t.vertices[1 + ring * 75].z;
    EXPECT_LT(z, ring == 0 ? 0.5f : t.vertices[ring * 75].z) << "rings run north to south";
    for (int s = 1; s < 75; ++s) EXPECT_EQ(t.vertices[1 + ring * 75 + s].z, z) << ring;
  }
}

TEST(SphereTable, IsOneClosedSurfaceFacingInwards) {
  const SphereTables& t = SphereTable();
  std::set<int> used;
  for (const FaceVNT& f : t.faces) {
    const D3 w = Winding(f, t.vertices);
    ASSERT_GT(Length(w), 0.0);
    D3 centroid{0, 0, 0};
    for (int k = 0; k < 3; ++k) {
      ASSERT_GE(f.vertex[k], 0);
      ASSERT_LT(f.vertex[k], 2702);
      ASSERT_GE(f.normal[k], 0);
      ASSERT_LT(f.normal[k], 2702);
      used.insert(f.vertex[k]);
      const D3 v = Of(t.vertices[f.vertex[k]]);
      centroid = {centroid.x + v.x, centroid.y + v.y, centroid.z + v.z};
      EXPECT_GT(Dot(w, Of(t.normals[f.normal[k]])), 0.0) << "winding agrees with normals";
    }
    EXPECT_LT(Dot(w, centroid), 0.0) << "counter-clockwise seen from inside";
  }
  EXPECT_EQ(used.size(), 2702u);
  EXPECT_TRUE(OpenEdges(t.faces, 0, t.faces.size()).empty());
}

TEST(SphereTable, CornersThatBorrowANormalStillFaceTheCentre) {
  const SphereTables& t = SphereTable();
  int borrowed = 0;
  for (const FaceVNT& f : t.faces) {
    for (int k = 0; k < 3; ++k) {
      if (f.vertex[k] == f.normal[k]) continue;
      ++borrowed;
      const D3 v = Of(t.vertices[f.vertex[k]]);
      EXPECT_LT(Degrees(Of(t.normals[f.normal[k]]), {-v.x, -v.y, -v.z}), 0.5);
    }
  }
  EXPECT_EQ(borrowed, 80);
}

// ---------------------------------------------------------------------------------------------

struct Group {
  int vertexLow, vertexHigh, normalLow, normalHigh;
  D3 low, high;  // extent
};
constexpr Group kGroups[3] = {
    {0, 1313, 0, 1453, {-0.354, -0.359, -0.026}, {0.391, 0.397, 0.066}},
    {1314, 2633, 1454, 2791, {-0.496, -0.5, -0.080}, {0.496, 0.5, 0.053}},
    {2634, 6304, 1349, 6471, {-0.214, -0.086, 0.048}, {0.204, 0.070, 0.080}},
};

std::size_t Begin(int g) {
  return CentrepieceTables::kGroupStart[g];
}
std::size_t End(int g) {
  return CentrepieceTables::kGroupStart[g + 1];
}

TEST(CentrepieceTable, GroupsUseExactlyTheirIndexRanges) {
  const CentrepieceTables& t = CentrepieceTable();
  ASSERT_EQ(t.faces.size(), 12456u);
  ASSERT_EQ(t.vertices.size(), 6305u);
  ASSERT_EQ(t.normals.size(), 6472u);
  std::set<int> normalsUsed;
  for (int g = 0; g < 3; ++g) {
    std::set<int> vertices;
    std::set<int> normals;
    for (std::size_t f = Begin(g); f < End(g); ++f) {
      vertices.insert(t.faces[f].vertex, t.faces[f].vertex + 3);
      normals.insert(t.faces[f].normal, t.faces[f].normal + 3);
    }
    EXPECT_EQ(*vertices.begin(), kGroups[g].vertexLow) << g;
    EXPECT_EQ(*vertices.rbegin(), kGroups[g].vertexHigh) << g;
    EXPECT_EQ(vertices.size(), std::size_t(kGroups[g].vertexHigh - kGroups[g].vertexLow + 1))
        << "group " << g << " uses every vertex in its range";
    EXPECT_EQ(*normals.begin(), kGroups[g].normalLow) << g;
    EXPECT_EQ(*normals.rbegin(), kGroups[g].normalHigh) << g;
    normalsUsed.insert(normals.begin(), normals.end());
  }
  EXPECT_EQ(normalsUsed.size(), t.normals.size()) << "no normal is left unused";
}

TEST(CentrepieceTable, BannerJewelSharesTheEmblemsLastJewelNormals) {
  const CentrepieceTables& t = CentrepieceTable();
  std::set<int> borrowed;
  for (std::size_t f = Begin(2); f < End(2); ++f) {
    for (int n : t.faces[f].normal) {
      if (n < kGroups[1].normalLow) borrowed.insert(n);
    }
  }
  // Group 2 reaches below group 1's normals only for group 0's last block, 1349 to 1453.
  ASSERT_FALSE(borrowed.empty());
  EXPECT_EQ(*borrowed.begin(), 1349);
  EXPECT_EQ(*borrowed.rbegin(), 1453);
  EXPECT_EQ(borrowed.size(), 105u);
}

TEST(CentrepieceTable, PartsFillTheirExtents) {
  const CentrepieceTables& t = CentrepieceTable();
  for (int g = 0; g < 3; ++g) {
    D3 low{1, 1, 1};
    D3 high{-1, -1, -1};
    for (int v = kGroups[g].vertexLow; v <= kGroups[g].vertexHigh; ++v) {
      const D3 p = Of(t.vertices[v]);
      low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
      high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    constexpr double kSlack = 0.003;
    EXPECT_NEAR(low.x, kGroups[g].low.x, kSlack) << g;
    EXPECT_NEAR(low.y, kGroups[g].low.y, kSlack) << g;
    EXPECT_NEAR(low.z, kGroups[g].low.z, kSlack) << g;
    EXPECT_NEAR(high.x, kGroups[g].high.x, kSlack) << g;
    EXPECT_NEAR(high.y, kGroups[g].high.y, kSlack) << g;
    EXPECT_NEAR(high.z, kGroups[g].high.z, kSlack) << g;
  }
}

TEST(CentrepieceTable, NormalsAreUnitAndAgreeWithTheWinding) {
  const CentrepieceTables& t = CentrepieceTable();
  for (const Vec3f& n : t.normals) EXPECT_NEAR(Length(Of(n)), 1.0, 1e-6);
  int disagreeing = 0;
  for (const FaceVN& f : t.faces) {
    const D3 w = Winding(f, t.vertices);
    EXPECT_GT(Length(w), 1e-12) << "no face without area";
    for (int n : f.normal) {
      if (Dot(w, Of(t.normals[n])) <= 0.0) ++disagreeing;
    }
  }
  EXPECT_EQ(disagreeing, 0);
}

TEST(CentrepieceTable, FlatFacesFaceTheWayTheyAreWound) {
  const CentrepieceTables& t = CentrepieceTable();
  int flat = 0;
  for (const FaceVN& f : t.faces) {
    if (f.normal[0] != f.normal[1] || f.normal[0] != f.normal[2]) continue;
    ++flat;
    EXPECT_LT(Degrees(Winding(f, t.vertices), Of(t.normals[f.normal[0]])), 0.5);
  }
  EXPECT_GT(flat, 2000) << "caps, walls, facets and the medallion's flats";
}

// Every part is closed except where its open edge is hidden: the emblem's jewels are open
// underneath, inside their collars; the medallion is open in the middle of its plateau, under
// the banner; the banner is open underneath, below the plateau's top, and so is its jewel,
// under the banner's front.
TEST(CentrepieceTable, PartsAreOpenOnlyWhereTheyAreHidden) {
  const CentrepieceTables& t = CentrepieceTable();
  const std::size_t expectedOpen[3] = {6 * 7, 109, 14 + 7};
  for (int g = 0; g < 3; ++g) {
    const auto open = OpenEdges(t.faces, Begin(g), End(g));
    EXPECT_EQ(open.size(), expectedOpen[g]) << g;
    for (const auto& [a, b] : open) {
      for (int v : {a, b}) {
        const Vec3f& p = t.vertices[v];
        if (g == 0) {
          EXPECT_LT(p.z, 0.056f) << "below the collars' tops";
        } else if (g == 1) {
          EXPECT_LE(std::hypot(p.x, p.y), 0.05 + 1e-6) << "under the banner";
          EXPECT_FLOAT_EQ(p.z, 0.053f);
        } else {
          EXPECT_TRUE(p.z == 0.048f || p.z < 0.06f) << p.z;
        }
      }
    }
  }
}

double SegmentDistance(D3 a, D3 b) {
  const D3 ab = Minus(b, a);
  const double s = std::clamp(-Dot(a, ab) / Dot(ab, ab), 0.0, 1.0);
  return std::hypot(a.x + ab.x * s, a.y + ab.y * s);
}

// The emblem and the medallion turn about z under the still banner: the banner's underside
// must cover the medallion's opening at every turn, and the emblem must stay out of the disc
// the banner occupies.
TEST(CentrepieceTable, BannerCoversTheOpeningAndClearsTheEmblem) {
  const CentrepieceTables& t = CentrepieceTable();
  int crossings = 0;  // of the +x axis by the underside's outline
  int underside = 0;
  for (const auto& [a, b] : OpenEdges(t.faces, Begin(2), End(2))) {
    const D3 p = Of(t.vertices[a]);
    const D3 q = Of(t.vertices[b]);
    if (p.z != 0.048f) continue;
    ++underside;
    EXPECT_GT(SegmentDistance(p, q), 0.06);
    if ((p.y > 0) != (q.y > 0) && p.x + (q.x - p.x) * (0 - p.y) / (q.y - p.y) > 0) ++crossings;
  }
  EXPECT_EQ(underside, 14);
  EXPECT_EQ(crossings, 1) << "the axis lies inside the underside";

  double bannerReach = 0.0;
  for (int v = kGroups[2].vertexLow; v <= kGroups[2].vertexHigh; ++v) {
    bannerReach = std::max(bannerReach, std::hypot(Of(t.vertices[v]).x, Of(t.vertices[v]).y));
  }
  double emblemFrom = 1.0;
  for (int v = kGroups[0].vertexLow; v <= kGroups[0].vertexHigh; ++v) {
    emblemFrom = std::min(emblemFrom, std::hypot(Of(t.vertices[v]).x, Of(t.vertices[v]).y));
  }
  EXPECT_LT(bannerReach, 0.225) << "within the plateau's flat top";
  EXPECT_GT(emblemFrom, bannerReach + 0.02);
}

// The program's tables are data compiled from the modeller's source; every bit must survive the
// trip through the written literals.
template <typename Tables>
void ExpectSameBytes(const Tables& built, const Tables& compiled) {
  ASSERT_EQ(built.faces.size(), compiled.faces.size());
  ASSERT_EQ(built.vertices.size(), compiled.vertices.size());
  ASSERT_EQ(built.normals.size(), compiled.normals.size());
  const auto same = [](const auto& a, const auto& b) {
    return std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0;
  };
  EXPECT_TRUE(same(built.faces, compiled.faces));
  EXPECT_TRUE(same(built.vertices, compiled.vertices));
  EXPECT_TRUE(same(built.normals, compiled.normals));
}

TEST(MeshTables, CompiledTablesAreExactlyWhatTheModellerBuilds) {
  ExpectSameBytes(meshgen::BuildCentrepiece(), CentrepieceTable());
  ExpectSameBytes(meshgen::BuildSphere(), SphereTable());
}

}  // namespace
}  // namespace frost
