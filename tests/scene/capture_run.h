// Runs the capture tool for the scene tests and hands out the frames it wrote. Each distinct
// request runs once per test program, however many tests look at its frames.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "frame_view.h"
#include "picture.h"

namespace frost::scene_test {

struct CaptureRequest {
  std::string name;  // the run's folder under the output root; one request per name
  int width = 640;
  int height = 480;
  double stepMs = 20.0;
  bool fade = true;
  std::vector<double> seconds;
  std::string music;  // an MP3 the run plays (and the globe may dance to); none: silent
  bool dance = true;
  bool embedded = false;  // the view of a run inside another program's window of this size
  int cursorY = 0;        // where the mouse stands after the first frame, which finds it at 0
};

// Where the globe stood after one frame (its offset from the middle of the scene).
struct GlobeOffsetSample {
  double seconds = 0.0;
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

class CaptureRun {
 public:
  explicit CaptureRun(CaptureRequest request) : request_(std::move(request)) {}

  // Empty when the tool ran and wrote every frame; otherwise what went wrong.
  const std::string& Error() const { return error_; }
  const CaptureRequest& Request() const { return request_; }
  std::string FramePath(double seconds) const;
  // The globe's offset after every frame of the run, first frame first.
  std::vector<GlobeOffsetSample> Offsets() const;
  // The frame of a requested time; empty (with a test failure) when it cannot be read.
  const Picture& Frame(double seconds);
  // Where things lie in that frame.
  FrameView View(double seconds);

 private:
  std::string TracePath() const;
  friend CaptureRun& Capture(const CaptureRequest& request);
  void Run();

  CaptureRequest request_;
  std::string folder_;
  std::string error_;
  std::map<long, Picture> pictures_;
  std::map<long, Camera> cameras_;
};

// Where the tool is and where runs go; set once by main.
void ConfigureCaptures(const std::string& tool, const std::string& outputRoot);
// The run for this request, started on first use.
CaptureRun& Capture(const CaptureRequest& request);

}  // namespace frost::scene_test
