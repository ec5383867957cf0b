#pragma once

#include "shell/scene_base.h"

namespace frost {

// The snow-globe scene: one static instance, driven by the shell.
class GlobeScene : public SceneBase {
 public:
  using SceneBase::SceneBase;

  void Update() override;
  void Init() override;
  void Draw() override;
  void Shutdown() override;

  // Seconds since the first frame, as the last Update saw it.
  float SceneTime() const { return sceneTime_; }

 private:
  bool started_ = false;
  float sceneTime_ = 0.0f;
};

// The one scene object of the process.
GlobeScene& TheScene();

}  // namespace frost
