// frost_meshgen: builds the scene's solid models and writes their tables as a C++ source.
//   frost_meshgen <output .cpp>
#include <cstdio>
#include <fstream>

#include "mesh_models.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output .cpp>\n", argv[0]);
    return 2;
  }
  using namespace frost::meshgen;
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << MeshTablesSource(BuildSphere(), BuildCentrepiece());
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
    return 1;
  }
  return 0;
}
