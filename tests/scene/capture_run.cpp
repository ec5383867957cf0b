#include "capture_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace frost::scene_test {
namespace {

std::string g_tool;
std::string g_outputRoot;

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

long Key(double seconds) {
  return std::lround(seconds * 1000.0);
}

}  // namespace

void ConfigureCaptures(const std::string& tool, const std::string& outputRoot) {
  g_tool = tool;
  g_outputRoot = outputRoot;
}

CaptureRun& Capture(const CaptureRequest& request) {
  static std::map<std::string, std::unique_ptr<CaptureRun>> runs;
  auto found = runs.find(request.name);
  if (found == runs.end()) {
    found = runs.emplace(request.name, std::make_unique<CaptureRun>(request)).first;
    found->second->Run();
  }
  return *found->second;
}

std::string CaptureRun::TracePath() const {
  return folder_ + "/offsets.txt";
}

std::vector<GlobeOffsetSample> CaptureRun::Offsets() const {
  std::vector<GlobeOffsetSample> samples;
  std::FILE* file = std::fopen(TracePath().c_str(), "r");
  if (file == nullptr) return samples;
  GlobeOffsetSample s;
  while (std::fscanf(file, "%lf %lf %lf %lf", &s.seconds, &s.x, &s.y, &s.z) == 4) {
    samples.push_back(s);
  }
  std::fclose(file);
  return samples;
}

std::string CaptureRun::FramePath(double seconds) const {
  // The tool names each file after the time asked for, as written here.
  char name[64];
  std::snprintf(name, sizeof name, "frame-%08.3f.png", seconds);
  return folder_ + "/" + name;
}

void CaptureRun::Run() {
  namespace fs = std::filesystem;
  if (g_tool.empty()) {
    error_ = "no capture tool configured";
    return;
  }
  folder_ = g_outputRoot + "/" + request_.name;
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
  fs::create_directories(folder_);

  char size[32];
  std::snprintf(size, sizeof size, "%dx%d", request_.width, request_.height);
  char step[32];
  std::snprintf(step, sizeof step, "%g", request_.stepMs);
  std::string command = Quoted(g_tool) + " --size " + size + " --step " + step;
  if (!request_.fade) command += " --fade off";
  if (request_.embedded) command += " --embedded";
  if (request_.cursorY != 0) command += " --cursor 0," + std::to_string(request_.cursorY);
  if (!request_.music.empty()) {
    command +=
        " --music " + Quoted(request_.music) + (request_.dance ? " --dance on" : " --dance off");
  }
  command += " --trace " + Quoted(TracePath());
  command += " --out " + Quoted(folder_);
  for (double s : request_.seconds) {
    char time[32];
    std::snprintf(time, sizeof time, " %.3f", s);
    command += time;
  }
  const std::string log = folder_ + "/capture.log";
  command += " >" + Quoted(log) + " 2>&1";

  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double lastSecond = request_.seconds.empty() ? 0.0
                                                     : *std::max_element(request_.seconds.begin(),
                                                                         request_.seconds.end());
  std::printf("[capture %s] %s, %.0f ms steps up to %.2f s: %.1f s\n", request_.name.c_str(), size,
              request_.stepMs, lastSecond, wall);
  if (status != 0) {
    error_ = "capture tool failed (status " + std::to_string(status) + "), see " + log;
    return;
  }
  for (double s : request_.seconds) {
    if (!fs::exists(FramePath(s))) {
      error_ = "capture tool wrote no " + FramePath(s) + ", see " + log;
      return;
    }
  }
  const std::vector<Camera> cameras = ReplayCameras(request_.seconds, request_.stepMs);
  for (std::size_t i = 0; i < cameras.size(); ++i) cameras_[Key(request_.seconds[i])] = cameras[i];
}

const Picture& CaptureRun::Frame(double seconds) {
  auto found = pictures_.find(Key(seconds));
  if (found != pictures_.end()) return found->second;
  std::string error;
  Picture picture = Picture::Load(FramePath(seconds), &error);
  EXPECT_FALSE(picture.Empty()) << error;
  if (!picture.Empty()) {
    EXPECT_EQ(picture.Width(), request_.width);
    EXPECT_EQ(picture.Height(), request_.height);
  }
  return pictures_.emplace(Key(seconds), std::move(picture)).first->second;
}

FrameView CaptureRun::View(double seconds) {
  const auto found = cameras_.find(Key(seconds));
  EXPECT_NE(found, cameras_.end()) << seconds << " s was not requested from " << request_.name;
  Camera camera = found != cameras_.end() ? found->second : Camera();
  if (request_.embedded) camera.aspect = static_cast<double>(request_.width) / request_.height;
  return FrameView(camera, request_.width, request_.height);
}

}  // namespace frost::scene_test
