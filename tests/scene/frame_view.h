// Where things lie in a captured frame. The capture tool drives the scene on a fixed grid of
// frames, and the camera path is a pure function of that grid and of the scene's one random
// sequence, so replaying the path gives each frame's camera exactly; from it follow the
// directions behind every pixel, the globe's disc and the sun's spot.
#pragma once

#include <vector>

#include "geometry/camera.h"
#include "geometry/vec4d.h"

namespace frost::scene_test {

// The glass: a sphere of radius 0.5 scaled by 4.15, at the origin while the globe stands still
// (the capture tool's cursor never moves and no music plays).
inline constexpr double kGlobeRadius = 0.5 * 4.15;
// The sun stands at this offset from the eye, so its direction never changes.
inline const Vec4d kSunOffset{0.0, -43.0, 50.0, 1.0};

// A position in the picture, in pixels from its top-left corner.
struct PicturePoint {
  double x = 0.0;
  double y = 0.0;
};

class FrameView {
 public:
  FrameView(const Camera& camera, int width, int height);

  // The unit world direction seen through the centre of pixel (x, y).
  Vec4d DirectionAt(int x, int y) const;
  // Where a world direction lands in the picture (possibly outside it); false when it points
  // behind the camera.
  bool ProjectDirection(const Vec4d& direction, PicturePoint& point) const;
  bool ProjectPoint(const Vec4d& world, PicturePoint& point) const {
    return ProjectDirection(world - eye_, point);
  }
  bool Inside(const PicturePoint& p) const {
    return p.x >= 0.0 && p.y >= 0.0 && p.x < width_ && p.y < height_;
  }

  // Angle, in radians, between the ray through pixel (x, y) and the direction to `world`.
  double AngleToPoint(int x, int y, const Vec4d& world) const;
  // Half the angle the glass sphere covers as seen from the eye.
  double GlobeAngularRadius() const;
  // Elevation of the ray through pixel (x, y) above the horizontal, in radians.
  double ElevationAt(int x, int y) const;

  const Vec4d& Eye() const { return eye_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  Vec4d eye_;
  Vec4d right_;
  Vec4d up_;
  Vec4d forward_;
  double halfHeight_;  // tangent of half the vertical field of view
  double halfWidth_;
  int width_;
  int height_;
};

// The camera of each requested time, replayed on the capture grid of `stepMs` milliseconds
// exactly as the capture tool snaps the times.
std::vector<Camera> ReplayCameras(const std::vector<double>& seconds, double stepMs);

}  // namespace frost::scene_test
