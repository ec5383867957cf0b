#include "render/solid_sphere.h"

#include <cmath>
#include <numbers>

#include "render/gl.h"

namespace frost {

void DrawSolidSphere(double radius, int slices, int stacks) {
  if (slices < 1 || stacks < 1) return;
  auto ringPoint = [radius](double sinPolar, double cosPolar, double azimuth) {
    const double x = std::cos(azimuth) * sinPolar;
    const double y = std::sin(azimuth) * sinPolar;
    glNormal3d(x, y, cosPolar);
    glVertex3d(x * radius, y * radius, cosPolar * radius);
  };
  // Each stack is a strip between two rings, wound counter-clockwise seen from outside.
  for (int stack = 0; stack < stacks; ++stack) {
    const double upper = std::numbers::pi * stack / stacks;
    const double lower = std::numbers::pi * (stack + 1) / stacks;
    glBegin(GL_QUAD_STRIP);
    for (int slice = 0; slice <= slices; ++slice) {
      const double azimuth = 2.0 * std::numbers::pi * slice / slices;
      ringPoint(std::sin(upper), std::cos(upper), azimuth);
      ringPoint(std::sin(lower), std::cos(lower), azimuth);
    }
    glEnd();
  }
}

}  // namespace frost
