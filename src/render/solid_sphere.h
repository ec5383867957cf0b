// A solid sphere drawn in immediate mode, for the glass shell.
#pragma once

namespace frost {

// An outward-facing sphere about the origin, with normals, in the tessellation GLUT's solid
// sphere uses: `slices` around the Z axis, `stacks` from +Z to -Z. Drawn with our own code
// because the toolkit's version ends the process when its window system is not set up.
void DrawSolidSphere(double radius, int slices, int stacks);

}  // namespace frost
