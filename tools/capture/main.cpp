// Renders the real scene in a window and writes frames at chosen scene times as PNG files, with
// a clock it drives so that every run gives the same pictures; or, with --bench, renders
// unpaced on the real clock and prints frame rates.
//
//   frostmote-capture [--size WxH] [--embedded] [--step MS] [--fade on|off] [--out DIR]
//                     [--jpeg] [--music FILE [--dance on|off]] [--trace FILE] [--cursor X,Y]
//                     SECONDS...
//   (--embedded: the view of a run inside another program's window of that size, rather than
//   the full-screen one; --trace writes "SECONDS X Y Z", the globe's offset, after every frame;
//   --cursor moves the cursor from (0, 0) to X,Y after the first frame)
//   frostmote-capture --bench SECONDS [--size WxH]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driven_platform.h"
#include "frame_pixels.h"
#include "jpeg_encoder.h"
#include "png_writer.h"
#include "render/gl.h"
#include "run/run_state.h"
#include "scene/globe_scene.h"
#include "settings/saver_settings.h"
#include "shell/music_control.h"

namespace frost {

Platform& DefaultPlatform() {
  static capture::DrivenPlatform platform;
  return platform;
}

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  int width = 1024;
  int height = 768;
  double stepMs = 20.0;  // 50 frames a second: times with two decimals fall on the grid
  std::string outDir = ".";
  double benchSeconds = 0.0;
  bool fade = true;
  std::string music;  // none: a silent run
  bool dance = true;
  bool jpeg = false;  // JPEG files instead of PNG
  bool embedded = false;
  std::string trace;  // a file that gets the globe's offset after every frame
  int cursor[2] = {0, 0};
  std::vector<double> times;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--size" && hasValue) {
      if (std::sscanf(argv[++i], "%dx%d", &options.width, &options.height) != 2) return false;
    } else if (arg == "--step" && hasValue) {
      options.stepMs = std::atof(argv[++i]);
    } else if (arg == "--out" && hasValue) {
      options.outDir = argv[++i];
    } else if (arg == "--fade" && hasValue) {
      const std::string value = argv[++i];
      if (value != "on" && value != "off") return false;
      options.fade = value == "on";
    } else if (arg == "--trace" && hasValue) {
      options.trace = argv[++i];
    } else if (arg == "--cursor" && hasValue) {
      if (std::sscanf(argv[++i], "%d,%d", &options.cursor[0], &options.cursor[1]) != 2) {
        return false;
      }
    } else if (arg == "--embedded") {
      options.embedded = true;
    } else if (arg == "--jpeg") {
      options.jpeg = true;
    } else if (arg == "--music" && hasValue) {
      options.music = argv[++i];
    } else if (arg == "--dance" && hasValue) {
      const std::string value = argv[++i];
      if (value != "on" && value != "off") return false;
      options.dance = value == "on";
    } else if (arg == "--bench" && hasValue) {
      options.benchSeconds = std::atof(argv[++i]);
    } else if (!arg.empty() && arg[0] != '-') {
      options.times.push_back(std::atof(arg.c_str()));
    } else {
      return false;
    }
  }
  std::sort(options.times.begin(), options.times.end());
  return options.width > 0 && options.height > 0 && options.stepMs > 0.0 &&
         (options.benchSeconds > 0.0 || !options.times.empty());
}

void DrainEvents() {
  WindowEvent event;
  while (Os().PeekEvent(event)) {
  }
}

bool OpenScene(GlobeScene& scene, const Options& options) {
  std::string installPath;
  if (!SettingsStore::ReadInstallPath(installPath)) {
    std::fprintf(stderr, "frostmote-capture: no install key beside the program\n");
    return false;
  }
  Os().SetCurrentDirectory(installPath);
  SettingsStore::SetDefaults(g_settings);
  g_settings.audioSource = static_cast<std::uint8_t>(options.music.empty() ? AudioSource::NoSound
                                                                           : AudioSource::Mp3File);
  g_settings.mp3Path = options.music;
  g_settings.danceWithMusic = options.dance ? 1 : 0;
  g_run.mode = options.embedded ? RunMode::Embedded : RunMode::FullScreen;
  // The full-screen scene, in a window of the chosen size: no display-mode change.
  scene.window.fullscreen = false;
  scene.followsWindowShape = options.embedded;
  scene.window.SetDisplayMode(options.width, options.height, 32, 60);
  if (!scene.window.RegisterFullScreenClass() || !scene.Start()) return false;
  Os().SetSwapInterval(0);
  scene.window.SetActive(true);
  return true;
}

int Capture(GlobeScene& scene, capture::DrivenPlatform& platform, const Options& options) {
  // Every frame lies on one grid of fixed steps and each asked-for time is the grid frame
  // nearest to it, so a picture never depends on which other times were asked for.
  std::vector<long> wanted;
  for (double target : options.times) {
    wanted.push_back(std::lround(target * 1000.0 / options.stepMs));
  }
  std::size_t next = 0;
  // The music plays from just after the first frame, one frame step of it per frame.
  const int audioFrames = static_cast<int>(std::lround(options.stepMs * 44.1));
  std::FILE* trace = options.trace.empty() ? nullptr : std::fopen(options.trace.c_str(), "w");
  auto traceFrame = [&](long frame) {
    if (trace == nullptr) return;
    const Float4& g = scene.globeOffset;
    std::fprintf(trace, "%.3f %.6f %.6f %.6f\n",
                 static_cast<double>(frame) * options.stepMs / 1000.0, static_cast<double>(g.x),
                 static_cast<double>(g.y), static_cast<double>(g.z));
  };
  for (long frame = 0; next < wanted.size(); ++frame) {
    platform.StartFrameAt(static_cast<double>(frame) * options.stepMs);
    DrainEvents();
    if (frame == 1 && !StartMusic(scene)) return 1;
    if (frame > 1) platform.PullAudio(audioFrames);
    if (frame != wanted[next]) {
      scene.RenderFrame();
      traceFrame(frame);
      continue;
    }
    scene.Update();
    traceFrame(frame);
    for (; next < wanted.size() && wanted[next] == frame; ++next) {
      char name[64];
      std::snprintf(name, sizeof name, "/frame-%08.3f.%s", options.times[next],
                    options.jpeg ? "jpg" : "png");
      const std::string path = options.outDir + name;
      const int width = scene.window.width;
      const int height = scene.window.height;
      const std::vector<unsigned char> pixels = capture::ReadFramePixels(width, height);
      const bool written = options.jpeg ? jpeg::WriteFile(path, pixels.data(), width, height, 3, 90,
                                                          jpeg::Chroma::Halved)
                                        : capture::WritePng(path, pixels, width, height);
      if (!written) {
        std::fprintf(stderr, "frostmote-capture: cannot write %s\n", path.c_str());
        return 1;
      }
      std::printf("%s (scene time %.3f s)\n", path.c_str(),
                  static_cast<double>(frame) * options.stepMs / 1000.0);
    }
    scene.Draw();
  }
  if (trace != nullptr) std::fclose(trace);
  return 0;
}

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

template <typename DrawFrame>
void RunTimed(const char* what, double seconds, DrawFrame drawFrame) {
  std::vector<double> frames;
  const Clock::time_point start = Clock::now();
  Clock::time_point last = start;
  while (Milliseconds(last - start) < seconds * 1000.0) {
    DrainEvents();
    drawFrame();
    glFinish();
    const Clock::time_point now = Clock::now();
    frames.push_back(Milliseconds(now - last));
    last = now;
  }
  double sum = 0.0;
  for (double ms : frames) sum += ms;
  const double mean = sum / static_cast<double>(frames.size());
  std::printf("%-16s %7.1f fps  mean %6.2f ms  worst %6.2f ms  (%zu frames)\n", what, 1000.0 / mean,
              mean, *std::max_element(frames.begin(), frames.end()), frames.size());
}

int Bench(GlobeScene& scene, const Options& options, Clock::time_point launched) {
  scene.RenderFrame();
  glFinish();
  std::printf("start-up to first frame: %.1f ms\n", Milliseconds(Clock::now() - launched));
  std::printf("size %dx%d\n", options.width, options.height);
  RunTimed("scene", options.benchSeconds, [&scene] { scene.RenderFrame(); });
  // The fill-rate bound: one textured quad over the whole window, nothing else.
  RunTimed("textured quad", options.benchSeconds, [&scene] {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    scene.sceneTextures[Slot::kSkyUp].Bind();
    scene.gl.DrawQuad(2.0f, 2.0f);
    Os().SwapBuffers(scene.window.hdc);
  });
  return 0;
}

}  // namespace
}  // namespace frost

int main(int argc, char** argv) {
  using namespace frost;
  const auto launched = Clock::now();
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: frostmote-capture [--size WxH] [--embedded] [--step MS] [--fade on|off] "
                 "[--out DIR]\n"
                 "                         [--jpeg] [--music FILE [--dance on|off]] [--trace FILE] "
                 "[--cursor X,Y]\n"
                 "                         SECONDS...\n"
                 "       frostmote-capture --bench SECONDS [--size WxH]\n");
    return 2;
  }
  auto& platform = static_cast<capture::DrivenPlatform&>(DefaultPlatform());
  const bool bench = options.benchSeconds > 0.0;
  platform.SetDriven(!bench);
  platform.cursorX = options.cursor[0];
  platform.cursorY = options.cursor[1];
  GlobeScene& scene = TheScene();
  scene.fadeIn = options.fade;
  if (!OpenScene(scene, options)) return 1;
  const int result = bench ? Bench(scene, options, launched) : Capture(scene, platform, options);
  StopMusic();
  scene.Stop();
  return result;
}
