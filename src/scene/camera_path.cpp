#include "scene/camera_path.h"

#include <cmath>

namespace frost {
namespace {

constexpr float kSegmentEnd = 62.832f;

float Blend(float from, float to, float u) {
  return from * (1.0f - u) + to * u;
}

}  // namespace

float CameraPath::Ease(float phase) {
  return static_cast<float>((1.0 - std::cos(phase * 0.05)) * 0.5);
}

void CameraPath::Step(float T, SceneRandom& random) {
  const float p1 = (T - orbitStart) * 0.005f;
  const float p2 = (T - targetStart) * 0.01f;
  const float p3 = (T - distanceStart) * 0.013f;

  float elevation = 0.0f;
  float azimuth = 0.0f;
  if (p1 > kSegmentEnd) {
    orbitStart = T;
    elevationFrom = elevationTo;
    azimuthFrom = azimuthTo;
    elevationTo = static_cast<float>(random.Next() % 1000 * 0.001 - 0.5);
    azimuthTo = static_cast<float>(random.Next() % 1000 * 0.0062832);
    // Never much below the horizon: the ground would fill the view.
    if (elevationTo < -0.3f) elevationTo = -0.3f;
    elevation = elevationFrom;
    azimuth = azimuthFrom;
  } else {
    const float u = Ease(p1);
    elevation = Blend(elevationFrom, elevationTo, u);
    azimuth = Blend(azimuthFrom, azimuthTo, u);
  }

  if (p2 > kSegmentEnd) {
    targetStart = T;
    targetFrom = targetTo;
    const double x = random.Next() % 1000 * 0.001 - 0.5;
    const double y = random.Next() % 1000 * 0.001 - 0.5;
    const double z = random.Next() % 1000 * 0.001 - 0.5;
    targetTo = Vec4d(x, y, z, 1.0);
    targetTo.Normalize();
    lookTarget = targetFrom;
  } else {
    const double u = Ease(p2);
    lookTarget = targetFrom * (1.0 - u) + targetTo * u;
  }

  if (p3 > kSegmentEnd) {
    distanceStart = T;
    distanceFrom = distanceTo;
    distanceTo = static_cast<float>(random.Next() % 1000 * 0.002 + 0.65);
    distance = distanceFrom;
  } else {
    distance = Blend(distanceFrom, distanceTo, Ease(p3));
  }

  const double e = elevation;
  const double a = azimuth;
  orbitPoint = Vec4d(std::cos(e) * std::cos(a) * distance, std::cos(e) * std::sin(a) * distance,
                     std::sin(e) * distance, 1.0);
  if (T < 5000.0f) rise = static_cast<float>(std::sin(T * 0.000314) * 2.0 - 2.0);
}

Camera CameraPath::BuildCamera() {
  Camera camera(Vec4d(0, 0, -1, 1), Vec4d(0, 0, -1, 1), Vec4d(0, 1, 0, 1), 60.0, 4.0 / 3.0, 0.001,
                150.0);
  camera.SetUpReference(Vec4d(0, 0, 1, 1));
  camera.SetPosition(Vec4d(1, 1, 0, 1));
  camera.LookAt(Vec4d(0, 0, 0, 1));
  return camera;
}

void CameraPath::Place(Camera& camera) const {
  Vec4d position(4.0 * orbitPoint.x, 4.0 * orbitPoint.y, 4.0 * orbitPoint.z + rise,
                 4.0 * orbitPoint.w + 1.0);
  // Never closer than half a unit to the ground at z = -3.
  if (position.z < -2.5) position.z = -2.5;
  camera.SetPosition(position);
  camera.SetUpReference(Vec4d((distance - 0.65) * 0.2, 0, 1, 1));
  camera.LookAt(lookTarget);
}

}  // namespace frost
