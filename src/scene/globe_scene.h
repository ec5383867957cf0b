// The snow globe scene: its textures, its passes, and the one instance a process runs.
#pragma once

#include <memory>

#include "geometry/camera.h"
#include "geometry/mesh.h"
#include "render/texture.h"
#include "scene/beat_detector.h"
#include "scene/camera_path.h"
#include "scene/float4.h"
#include "scene/scene_base.h"
#include "scene/snow_system.h"

namespace frost {

// The fixed roles of the scene's textures.
namespace Slot {
inline constexpr int kGlassCube = 0;        // reflection on the glass shell
inline constexpr int kCentrepieceCube = 1;  // reflection on the centrepiece
inline constexpr int kGlow = 2;             // 128 x 128 glow buffer
inline constexpr int kSoftSprite = 4;       // shadow, sun and flare
inline constexpr int kSnowflake = 5;
inline constexpr int kGlass = 6;
inline constexpr int kSkyUp = 7;  // 7 to 12: up, down, left, right, front, back
inline constexpr int kGround = 13;
inline constexpr int kGroundDetail = 14;
inline constexpr int kCount = 20;
}  // namespace Slot

// The snow-globe scene: one static instance, driven by the shell. Each frame it steps the
// camera path, the music reaction and the snow, then draws a glow pass, the main pass, the
// glow on top and the lens flare.
class GlobeScene : public SceneBase {
 public:
  using SceneBase::SceneBase;
  ~GlobeScene();

  void Update() override;
  void Init() override;
  void Draw() override;
  void Shutdown() override;

  // Seconds since the first frame, as the last Update saw it.
  float SceneTime() const { return sceneTime_; }

  void ComposeFrame(float t);
  void DrawSkybox();
  // The glow pass sees the centrepiece and the glass body; the main pass sees the shell and
  // the snow as well.
  enum class GlobePass { Glow, Main };
  void DrawGlobe(GlobePass pass);
  void DrawLensFlare(const Float4& sun);

  SphereMesh sphereMesh;
  Camera camera;
  CentrepieceMesh centrepieceMesh;
  BeatDetector beats;

  // Scene-wide animation state.
  CameraPath cameraPath;
  SnowSystem snow;
  Float4 globeOffset{0, 0, 0, 1};
  float flareIntensity = 0.0f;
  int savedCursor[2] = {0, 0};
  // The black fade-in of the first five seconds; the capture tool can switch it off to see
  // what it covers.
  bool fadeIn = true;

 private:
  void DrawGround(float brightness);
  void GlowPass(int glowSize);
  void MainPass();
  void GlowOverlay();
  void ReflectEnvironment(const Mat4d& billboard);
  void DrawCentrepiece(const Mat4d& billboard);
  void DrawGlassBody();
  void DrawShell(const Mat4d& billboard, GlobePass pass);
  void DrawSnowflakes(const Mat4d& billboard);
  // The skybox a hundred units around the eye, so that it never comes nearer, in this grey.
  void DrawSkyAroundEye(float grey, float alpha);
  // Undoes the camera's rotation: the view's 3 x 3 block transposed, no translation.
  Mat4d Billboard() const;

  bool started_ = false;
  bool firstFrame_ = true;
  float sceneTime_ = 0.0f;
  std::uint32_t shellList_ = 0;
};

// The flare fades in at 0.0025 per millisecond of composition while the sun's spot is bright,
// and out as fast otherwise. False when nothing is to be drawn this frame.
bool UpdateFlareIntensity(float& intensity, bool sunBright, float elapsedMs);

// The one scene object of the process.
GlobeScene& TheScene();

}  // namespace frost
