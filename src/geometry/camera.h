// The perspective camera the scene looks through.
#pragma once

#include "geometry/vec4d.h"

namespace frost {

// The perspective camera: eye and orientation in a right-handed world with +Z up, a
// perspective, and the view matrix it loads into OpenGL. A plain value: copy it freely.
class Camera {
 public:
  // At the origin, looking along +X, +Z up.
  Camera();
  // The vectors are taken as given (not normalised); the reference up starts at zero, so
  // SetUpReference must come before the first Apply.
  Camera(const Vec4d& eye, const Vec4d& dir, const Vec4d& up, double fov, double aspect,
         double zNear, double zFar);

  void SetPosition(const Vec4d& position) { eye = position; }
  void LookAt(const Vec4d& target);
  void SetUpReference(const Vec4d& reference);
  void OrthogonalizeUp();
  void UpdateLeft();
  void BuildViewMatrix();
  // Loads the projection and the view; leaves GL_MODELVIEW current.
  void Apply();

  // Projects a world point with the current projection and viewport. When it lands strictly
  // inside the viewport and in front of the far plane, reads the pixel under it: visible is 1
  // when its red + green + blue reach the threshold. screenXY is written in every case.
  bool ProbePoint(int threshold, const Vec4d& point, int screenXY[2], float& visible) const;

  Mat4d view;
  Vec4d eye;
  Vec4d dir;
  Vec4d up;
  Vec4d left;
  Vec4d upRef;
  double fov;
  double aspect;
  double zNear;
  double zFar;
};

}  // namespace frost
