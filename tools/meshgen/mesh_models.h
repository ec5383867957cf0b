// The modeller behind the scene's two solid models. It runs at build time only: frost_meshgen
// writes what it builds as a source file of tables, which the program compiles in as data.
#pragma once

#include <string>

#include "geometry/mesh_tables.h"

namespace frost::meshgen {

SphereTables BuildSphere();
CentrepieceTables BuildCentrepiece();

// A C++ source defining SphereTable() and CentrepieceTable() over these tables, every float
// written exactly (as a hexadecimal literal).
std::string MeshTablesSource(const SphereTables& sphere, const CentrepieceTables& centrepiece);

}  // namespace frost::meshgen
