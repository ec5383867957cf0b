#include "geometry/camera.h"

#include "render/gl.h"

namespace frost {

Camera::Camera()
    : view(Mat4d::Identity()),
      eye(0, 0, 0, 1),
      dir(1, 0, 0, 1),
      up(0, 0, 1, 1),
      upRef(0, 0, 1, 1),
      fov(60.0),
      aspect(4.0 / 3.0),
      zNear(0.1),
      zFar(1.0) {
  UpdateLeft();
}

Camera::Camera(const Vec4d& eye_, const Vec4d& dir_, const Vec4d& up_, double fov_, double aspect_,
               double zNear_, double zFar_)
    : view(Mat4d::Identity()),
      eye(eye_),
      dir(dir_),
      up(up_),
      upRef(0, 0, 0, 1),
      fov(fov_),
      aspect(aspect_),
      zNear(zNear_),
      zFar(zFar_) {
  UpdateLeft();
}

void Camera::LookAt(const Vec4d& target) {
  dir = target - eye;
  dir.Normalize();
}

void Camera::SetUpReference(const Vec4d& reference) {
  upRef = reference;
  upRef.Normalize();
  OrthogonalizeUp();
}

void Camera::OrthogonalizeUp() {
  // up is the unit vector in the plane of upRef and dir, perpendicular to dir, on upRef's side.
  const Vec4d d = dir;
  const Vec4d r = upRef;
  const Vec4d difference = d - r;
  const double divisor = difference.Dot3(d);
  // A reference parallel to the view direction, or no direction at all, gives no plane: keep
  // the previous up rather than divide by zero.
  if (divisor == 0.0 || !std::isfinite(divisor)) return;
  const double t = -r.Dot3(d) / divisor;
  Vec4d derived = r + difference * t;
  derived.Normalize();
  if (derived.Dot3(derived) == 0.0) return;
  up = derived;
  UpdateLeft();
}

void Camera::UpdateLeft() {
  left = up.Cross(dir);
  left.Normalize();
}

void Camera::BuildViewMatrix() {
  const Vec4d s = left * -1.0;  // the viewer's right
  const Vec4d& u = up;
  const Vec4d& f = dir;
  view = Mat4d::Identity();
  view.At(0, 0) = s.x;
  view.At(0, 1) = s.y;
  view.At(0, 2) = s.z;
  view.At(0, 3) = -s.Dot3(eye);
  view.At(1, 0) = u.x;
  view.At(1, 1) = u.y;
  view.At(1, 2) = u.z;
  view.At(1, 3) = -u.Dot3(eye);
  view.At(2, 0) = -f.x;
  view.At(2, 1) = -f.y;
  view.At(2, 2) = -f.z;
  view.At(2, 3) = f.Dot3(eye);
}

void Camera::Apply() {
  OrthogonalizeUp();
  BuildViewMatrix();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(fov, aspect, zNear, zFar);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glMultMatrixd(view.m);
}

bool Camera::ProbePoint(int threshold, const Vec4d& point, int screenXY[2], float& visible) const {
  GLdouble projection[16];
  GLint viewport[4];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLdouble winX = 0.0;
  GLdouble winY = 0.0;
  GLdouble winZ = 0.0;
  gluProject(point.x, point.y, point.z, view.m, projection, viewport, &winX, &winY, &winZ);
  screenXY[0] = static_cast<int>(winX);
  screenXY[1] = static_cast<int>(winY);
  // The upper bounds are the viewport's size, not its far edge.
  const bool onScreen = viewport[0] < winX && winX < viewport[2] && viewport[1] < winY &&
                        winY < viewport[3] && winZ < 1.0;
  if (!onScreen) {
    visible = 0.0f;
    return false;
  }
  unsigned char rgb[3] = {0, 0, 0};
  glReadPixels(screenXY[0], screenXY[1], 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  visible = rgb[0] + rgb[1] + rgb[2] < threshold ? 0.0f : 1.0f;
  return true;
}

}  // namespace frost
