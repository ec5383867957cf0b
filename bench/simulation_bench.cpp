// What the scene computes on the CPU each frame before drawing: one step of the 8000 flakes
// (it should stay well under 100 microseconds, a small slice of a 60 Hz frame) and one step of
// the camera path.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "geometry/camera.h"
#include "scene/camera_path.h"
#include "scene/scene_random.h"
#include "scene/snow_system.h"

namespace frost {
namespace {

constexpr float kFrameMs = 20.0f;
const Float4 kStill{0.0f, 0.0f, 0.0f, 1.0f};

// A fresh system past its first step, which only draws the flakes, and a few seconds of
// drift so the flakes are spread as they are in a running scene.
std::unique_ptr<SnowSystem> SettledSnow(SceneRandom& random) {
  auto snow = std::make_unique<SnowSystem>();
  for (int i = 0; i < 250; ++i) snow->Step(kFrameMs, kStill, kStill, random);
  return snow;
}

void SnowStepStillGlobe(benchmark::State& state) {
  SceneRandom random;
  const auto snow = SettledSnow(random);
  const Float4 force = SnowSystem::ForceFromOffset(kStill, kFrameMs);
  for (auto _ : state) {
    snow->Step(kFrameMs, force, kStill, random);
    benchmark::DoNotOptimize(snow->X());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(SnowSystem::kFlakeCount));
}
BENCHMARK(SnowStepStillGlobe)->Unit(benchmark::kMicrosecond);

// Dancing to music: the globe moves every frame, every flake is kicked and more of them hit
// the glass.
void SnowStepShakenGlobe(benchmark::State& state) {
  SceneRandom random;
  const auto snow = SettledSnow(random);
  float t = 0.0f;
  for (auto _ : state) {
    t += kFrameMs * 0.001f;
    const Float4 offset{0.02f * std::sin(7.0f * t), 0.02f * std::cos(5.0f * t),
                        0.03f * std::sin(3.0f * t), 1.0f};
    snow->Step(kFrameMs, SnowSystem::ForceFromOffset(offset, kFrameMs), offset, random);
    benchmark::DoNotOptimize(snow->X());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(SnowSystem::kFlakeCount));
}
BENCHMARK(SnowStepShakenGlobe)->Unit(benchmark::kMicrosecond);

// The camera's work for one frame: the path step and placing the camera on it. Scene time
// restarts every simulated hour, where float milliseconds still resolve a 20 ms frame.
void CameraPathStep(benchmark::State& state) {
  constexpr int kStepsPerHour = 180000;
  CameraPath path;
  SceneRandom random;
  Camera camera = CameraPath::BuildCamera();
  int step = 0;
  for (auto _ : state) {
    if (++step == kStepsPerHour) {
      path = CameraPath();
      step = 0;
    }
    path.Step(static_cast<float>(step) * kFrameMs, random);
    path.Place(camera);
    camera.OrthogonalizeUp();
    camera.BuildViewMatrix();
    benchmark::DoNotOptimize(camera.view.m);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CameraPathStep)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace frost
