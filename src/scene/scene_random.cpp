#include "scene/scene_random.h"

namespace frost {

SceneRandom& TheSceneRandom() {
  static SceneRandom random;
  return random;
}

}  // namespace frost
