// The camera's endless eased path around the globe.
#pragma once

#include "geometry/camera.h"
#include "geometry/vec4d.h"
#include "scene/scene_random.h"

namespace frost {

// The camera's endless drift: three eased random walks side by side (orbit angles every
// 12.5664 s, the point looked at every 6.2832 s, the orbit distance every 4.8332 s) whose
// differing periods never line up, plus a rise from below in the first five seconds.
class CameraPath {
 public:
  // One step at scene time T milliseconds.
  void Step(float T, SceneRandom& random);

  // The camera of the first frame: its perspective is what lasts.
  static Camera BuildCamera();
  // Puts `camera` on the orbit, rolled a little with the distance, looking at the target.
  void Place(Camera& camera) const;

  // Eases from 0 to 1 as the phase runs from 0 to 62.832.
  static float Ease(float phase);

  float orbitStart = 0.0f;
  float elevationFrom = 0.0f;
  float elevationTo = 0.0f;
  float azimuthFrom = 1.5708f;
  float azimuthTo = 1.5708f;
  float targetStart = 0.0f;
  Vec4d targetFrom{0, 0, 0, 1};
  Vec4d targetTo{0, 0, 0, 1};
  float distanceStart = 0.0f;
  float distanceFrom = 0.0f;
  float distanceTo = 1.5f;
  Vec4d orbitPoint{0, 0, 0, 1};
  Vec4d lookTarget{0, 0, 0, 1};
  float distance = 0.0f;
  float rise = 0.0f;
};

}  // namespace frost
