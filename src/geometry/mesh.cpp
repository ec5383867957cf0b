#include "geometry/mesh.h"

#include "geometry/mesh_tables.h"
#include "render/gl.h"

namespace frost {
namespace {

// Records one indexed triangle list; `normalScale` stretches the stored normals.
template <typename Face>
void CompileTriangles(std::uint32_t list, const Face* first, const Face* last,
                      const std::vector<Vec3f>& vertices, const std::vector<Vec3f>& normals,
                      float normalScale) {
  glNewList(list, GL_COMPILE);
  glBegin(GL_TRIANGLES);
  for (const Face* face = first; face != last; ++face) {
    for (int k = 0; k < 3; ++k) {
      const Vec3f& n = normals[static_cast<std::size_t>(face->normal[k])];
      const Vec3f& v = vertices[static_cast<std::size_t>(face->vertex[k])];
      glNormal3f(n.x * normalScale, n.y * normalScale, n.z * normalScale);
      glVertex3f(v.x, v.y, v.z);
    }
  }
  glEnd();
  glEndList();
}

}  // namespace

bool Mesh::Allocate(std::int32_t count) {
  if (count <= 0) return false;
  listCount = count;
  listBase = 0;
  return true;
}

bool Mesh::Compile() {
  if (!LoadTextures()) return false;
  listBase = glGenLists(listCount);
  return Build();
}

bool Mesh::Draw(int index) {
  // Negative indices would run a list outside the range.
  if (index < 0 || index > listCount - 1 || listBase == 0) return false;
  const GLuint offset = static_cast<GLuint>(index);
  glListBase(listBase);
  glCallLists(1, GL_UNSIGNED_INT, &offset);
  return true;
}

void Mesh::Destroy() {
  if (listBase != 0) glDeleteLists(listBase, listCount);
  listBase = 0;
  listCount = 0;
}

bool SphereMesh::Build() {
  const SphereTables& table = SphereTable();
  const FaceVNT* faces = table.faces.data();
  CompileTriangles(listBase, faces, faces + table.faces.size(), table.vertices, table.normals,
                   1.0f);
  return true;
}

bool CentrepieceMesh::Build() {
  const CentrepieceTables& table = CentrepieceTable();
  const FaceVN* faces = table.faces.data();
  for (std::uint32_t part = 0; part < 3; ++part) {
    // Part 2 goes in with doubled normals; the globe pass draws it with GL_NORMALIZE.
    CompileTriangles(listBase + part, faces + CentrepieceTables::kGroupStart[part],
                     faces + CentrepieceTables::kGroupStart[part + 1], table.vertices,
                     table.normals, part == 2 ? 2.0f : 1.0f);
  }
  return true;
}

}  // namespace frost
