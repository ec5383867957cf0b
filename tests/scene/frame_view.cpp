#include "frame_view.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "scene/camera_path.h"
#include "scene/scene_random.h"
#include "scene/snow_system.h"

namespace frost::scene_test {
namespace {

Vec4d Unit(Vec4d v) {
  v.Normalize();
  return v;
}

}  // namespace

FrameView::FrameView(const Camera& camera, int width, int height)
    : eye_(camera.eye),
      right_(Unit(camera.left * -1.0)),
      up_(Unit(camera.up)),
      forward_(Unit(camera.dir)),
      halfHeight_(std::tan(camera.fov * std::numbers::pi / 360.0)),
      halfWidth_(halfHeight_ * camera.aspect),
      width_(width),
      height_(height) {}

Vec4d FrameView::DirectionAt(int x, int y) const {
  const double nx = 2.0 * (x + 0.5) / width_ - 1.0;
  const double ny = 1.0 - 2.0 * (y + 0.5) / height_;
  return Unit(forward_ + right_ * (nx * halfWidth_) + up_ * (ny * halfHeight_));
}

bool FrameView::ProjectDirection(const Vec4d& direction, PicturePoint& point) const {
  const double depth = direction.Dot3(forward_);
  if (depth <= 1e-9) return false;
  const double nx = direction.Dot3(right_) / depth / halfWidth_;
  const double ny = direction.Dot3(up_) / depth / halfHeight_;
  point.x = (nx + 1.0) * 0.5 * width_;
  point.y = (1.0 - ny) * 0.5 * height_;
  return true;
}

double FrameView::AngleToPoint(int x, int y, const Vec4d& world) const {
  const Vec4d toPoint = Unit(world - eye_);
  return std::acos(std::clamp(DirectionAt(x, y).Dot3(toPoint), -1.0, 1.0));
}

double FrameView::GlobeAngularRadius() const {
  const double distance = std::sqrt(eye_.Dot3(eye_));
  return distance <= kGlobeRadius ? std::numbers::pi : std::asin(kGlobeRadius / distance);
}

double FrameView::ElevationAt(int x, int y) const {
  return std::asin(std::clamp(DirectionAt(x, y).z, -1.0, 1.0));
}

std::vector<Camera> ReplayCameras(const std::vector<double>& seconds, double stepMs) {
  std::vector<long> frames;
  for (double s : seconds) frames.push_back(std::lround(s * 1000.0 / stepMs));
  const long last = frames.empty() ? -1 : *std::max_element(frames.begin(), frames.end());

  std::vector<Camera> cameras(seconds.size());
  CameraPath path;
  SceneRandom random;
  auto snow = std::make_unique<SnowSystem>();
  Camera camera;
  for (long frame = 0; frame <= last; ++frame) {
    // The scene reads its clock at the start of the frame, in float seconds.
    const float t = static_cast<float>(static_cast<double>(frame) * stepMs * 0.001);
    path.Step(t * 1000.0f, random);
    if (frame == 0) {
      camera = CameraPath::BuildCamera();
      // The snow draws its flakes from the same sequence right after the first camera step;
      // what it draws decides every later segment of the path.
      snow->Step(0.0f, Float4{0, 0, 0, 1}, Float4{0, 0, 0, 1}, random);
    }
    path.Place(camera);
    camera.OrthogonalizeUp();
    camera.BuildViewMatrix();
    for (std::size_t i = 0; i < frames.size(); ++i) {
      if (frames[i] == frame) cameras[i] = camera;
    }
  }
  return cameras;
}

}  // namespace frost::scene_test
