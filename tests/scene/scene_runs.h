// The capture runs the scene tests share. Each costs a full replay from the first frame up to
// its last time (about 28 frames a second at 640 x 480 on llvmpipe), so the tests look at as
// many frames of one run as they can.
#pragma once

#include "capture_run.h"

namespace frost::scene_test {

// The fade-in and the first orbit, on the default 20 ms grid.
inline CaptureRequest OpeningRun() {
  return {"opening", 640, 480, 20.0, true, {0.0, 1.0, 2.5, 4.0, 5.0, 6.0, 8.0, 10.0, 12.0},
          "",        true};
}

// The same frames without the black fade-in overlay: everything else is drawn alike.
inline CaptureRequest OpeningWithoutFadeRun() {
  return {"opening-no-fade", 640, 480, 20.0, false, {1.0, 2.5, 4.0, 5.0}, "", true};
}

// The opening's frame at 6 s as a run inside another program's window twice as wide as high
// shows it.
inline CaptureRequest WideEmbeddedRun() {
  CaptureRequest request{"wide-embedded", 1280, 480, 20.0, true, {6.0}, "", true};
  request.embedded = true;
  return request;
}

// One time of the opening run, asked for on its own.
inline CaptureRequest LoneFrameRun(const char* name) {
  return {name, 640, 480, 20.0, true, {6.0}, "", true};
}

}  // namespace frost::scene_test
