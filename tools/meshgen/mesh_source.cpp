#include <cstdio>
#include <string>
#include <vector>

#include "mesh_models.h"

namespace frost::meshgen {

namespace {

// Exact: a float widened to double loses nothing, and %a prints every bit of it.
std::string FloatLiteral(float value) {
  char text[48];
  std::snprintf(text, sizeof text, "%af", static_cast<double>(value));
  return text;
}

void AddPoints(std::string& out, const char* name, const std::vector<Vec3f>& points) {
  out.append("const float ").append(name).append("[] = {\n");
  for (const Vec3f& p : points) {
    out.append("    ").append(FloatLiteral(p.x)).append(", ").append(FloatLiteral(p.y));
    out.append(", ").append(FloatLiteral(p.z)).append(",\n");
  }
  out += "};\n\n";
}

template <typename Face>
void AddFaces(std::string& out, const char* name, const std::vector<Face>& faces) {
  constexpr std::size_t kPerFace = sizeof(Face) / sizeof(std::int16_t);
  out.append("const std::int16_t ").append(name).append("[] = {\n");
  for (const Face& face : faces) {
    const auto* index = reinterpret_cast<const std::int16_t*>(&face);
    out += "   ";
    for (std::size_t k = 0; k < kPerFace; ++k)
      out.append(" ").append(std::to_string(index[k])).append(",");
    out += "\n";
  }
  out += "};\n\n";
}

}  // namespace

std::string MeshTablesSource(const SphereTables& sphere, const CentrepieceTables& centrepiece) {
  std::string out =
      "// Written by frost_meshgen (tools/meshgen) at build time; edit the modeller, not this.\n"
      "#include <cstdint>\n"
      "#include <cstring>\n"
      "#include <vector>\n\n"
      "#include \"geometry/mesh_tables.h\"\n\n"
      "namespace frost {\n"
      "namespace {\n\n";
  AddPoints(out, "kSphereVertices", sphere.vertices);
  AddPoints(out, "kSphereNormals", sphere.normals);
  AddFaces(out, "kSphereFaces", sphere.faces);
  AddPoints(out, "kCentrepieceVertices", centrepiece.vertices);
  AddPoints(out, "kCentrepieceNormals", centrepiece.normals);
  AddFaces(out, "kCentrepieceFaces", centrepiece.faces);
  out +=
      "template <typename Record, typename Item, std::size_t N>\n"
      "std::vector<Record> Records(const Item (&items)[N]) {\n"
      "  constexpr std::size_t kBytes = sizeof items;\n"
      "  static_assert(kBytes % sizeof(Record) == 0);\n"
      "  std::vector<Record> records(kBytes / sizeof(Record));\n"
      "  std::memcpy(records.data(), items, sizeof items);\n"
      "  return records;\n"
      "}\n\n"
      "}  // namespace\n\n"
      "const SphereTables& SphereTable() {\n"
      "  static const SphereTables tables{Records<FaceVNT>(kSphereFaces),\n"
      "                                  Records<Vec3f>(kSphereVertices),\n"
      "                                  Records<Vec3f>(kSphereNormals)};\n"
      "  return tables;\n"
      "}\n\n"
      "const CentrepieceTables& CentrepieceTable() {\n"
      "  static const CentrepieceTables tables{Records<FaceVN>(kCentrepieceFaces),\n"
      "                                       Records<Vec3f>(kCentrepieceVertices),\n"
      "                                       Records<Vec3f>(kCentrepieceNormals)};\n"
      "  return tables;\n"
      "}\n\n"
      "}  // namespace frost\n";
  return out;
}

}  // namespace frost::meshgen
