#pragma once

#include <algorithm>
#include <string>

#include "scene/scene_base.h"

namespace frost::testing {

// A scene built like the full-screen one that logs its four operations: U, I, D, S.
class RecordingScene : public SceneBase {
 public:
  RecordingScene() : SceneBase("ZIRavar", 800, 600, 32, 60, true, 32, 0, 1) {}
  void Update() override { log += "U"; }
  void Init() override { log += "I"; }
  void Draw() override { log += "D"; }
  void Shutdown() override { log += "S"; }
  // How many times one of them ran.
  int Count(char operation) const {
    return static_cast<int>(std::count(log.begin(), log.end(), operation));
  }
  std::string log;
};

}  // namespace frost::testing
