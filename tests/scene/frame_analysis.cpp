#include "frame_analysis.h"

#include <cmath>
#include <numbers>

namespace frost::scene_test {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
// The painted mountains reach 12.6 degrees above the horizon; above 15 there is only sky.
constexpr double kSkyElevation = 15.0 * kDegree;
// Ten degrees below the horizon the view meets the ground disc or the painted snow field.
constexpr double kGroundElevation = -10.0 * kDegree;
// The glass's disc, and how far past its rim the glow and reflections reach.
constexpr double kGlobeMarginScale = 1.3;
// The shadow: a 7 x 7 soft square at z = -2.9 under the globe.
constexpr double kShadowHalfSide = 3.5;
constexpr double kShadowHeight = -2.9;
// A flake sprite adds up to 0.15 of its texel to what lies behind it; twenty levels of luma
// above the surrounding ring is a flake, not JPEG noise or the frost texture's soft grain.
constexpr double kSpeckContrast = 20.0;

bool UnderShadow(const FrameView& view, const Vec4d& direction) {
  if (direction.z >= 0.0) return false;
  const double s = (kShadowHeight - view.Eye().z) / direction.z;
  if (s <= 0.0) return false;
  const double x = view.Eye().x + s * direction.x;
  const double y = view.Eye().y + s * direction.y;
  return std::fabs(x) <= kShadowHalfSide && std::fabs(y) <= kShadowHalfSide;
}

}  // namespace

std::vector<Region> ClassifyPixels(const FrameView& view) {
  std::vector<Region> regions;
  regions.reserve(static_cast<std::size_t>(view.Width()) * view.Height());
  const double globe = view.GlobeAngularRadius();
  const Vec4d centre{0.0, 0.0, 0.0, 1.0};
  for (int y = 0; y < view.Height(); ++y) {
    for (int x = 0; x < view.Width(); ++x) {
      const double angle = view.AngleToPoint(x, y, centre);
      if (angle <= globe) {
        regions.push_back(Region::kGlobe);
        continue;
      }
      if (angle <= globe * kGlobeMarginScale) {
        regions.push_back(Region::kGlobeMargin);
        continue;
      }
      const Vec4d direction = view.DirectionAt(x, y);
      const double elevation = std::asin(direction.z);
      if (elevation >= kSkyElevation) {
        regions.push_back(Region::kSky);
      } else if (elevation <= kGroundElevation && !UnderShadow(view, direction)) {
        regions.push_back(Region::kGround);
      } else {
        regions.push_back(Region::kOther);
      }
    }
  }
  return regions;
}

std::vector<Speck> FindSpecks(const Picture& picture) {
  const int w = picture.Width();
  const int h = picture.Height();
  std::vector<double> luma(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) luma[static_cast<std::size_t>(y) * w + x] = picture.At(x, y).Luma();
  }
  auto at = [&](int x, int y) { return luma[static_cast<std::size_t>(y) * w + x]; };

  std::vector<Speck> specks;
  for (int y = 3; y < h - 3; ++y) {
    for (int x = 3; x < w - 3; ++x) {
      const double centre = at(x, y);
      bool peak = true;
      for (int dy = -1; dy <= 1 && peak; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if (at(x + dx, y + dy) > centre) {
            peak = false;
            break;
          }
        }
      }
      if (!peak) continue;
      double ring = 0.0;
      for (int k = -3; k <= 3; ++k) ring += at(x + k, y - 3) + at(x + k, y + 3);
      for (int k = -2; k <= 2; ++k) ring += at(x - 3, y + k) + at(x + 3, y + k);
      if (centre - ring / 24.0 >= kSpeckContrast) specks.push_back({x, y});
    }
  }
  return specks;
}

double MeanLuma(const Picture& picture) {
  double sum = 0.0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) sum += picture.At(x, y).Luma();
  }
  const double count = static_cast<double>(picture.Width()) * picture.Height();
  return count > 0.0 ? sum / count : 0.0;
}

}  // namespace frost::scene_test
