#pragma once

#include <cstdint>
#include <string>

#include "platform/sdl/sdl_platform.h"

namespace frost::capture {

// The real SDL2 backend with a clock the capture tool drives: the counter stands at the frame's
// start and moves on by a fixed step with every read, so the time a frame "takes" is the same
// on every run. The cursor stands still unless a script moves it, and message boxes go to the
// terminal instead of waiting for a person.
class DrivenPlatform : public linux_host::SdlPlatform {
 public:
  static constexpr std::int64_t kCountsPerSecond = 1000000;  // microseconds

  void SetDriven(bool driven) { driven_ = driven; }
  void StartFrameAt(double sceneMs);

  bool QueryPerformanceFrequency(std::int64_t& countsPerSecond) override;
  std::int64_t QueryPerformanceCounter() override;
  bool GetCursorPos(int& x, int& y) override;
  MessageAnswer MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                           MessageButtons buttons, MessageIcon icon) override;
  // Driven, there is no sound card: the tool plays the card's part and pulls the music frame by
  // frame in step with the scene clock, so the spectrum the globe dances to is the same on
  // every run.
  bool OpenAudioOutput(int rate, AudioFill fill, void* user) override;
  void CloseAudioOutput() override;
  void PullAudio(int frames);

  // Each clock read within a frame moves time on by this much.
  std::int64_t readStep = 1000;
  // Where the cursor stands after the scene's first look at it, which finds it at (0, 0): the
  // globe is pushed as far as a hand that moved it there would push it.
  int cursorX = 0;
  int cursorY = 0;

 private:
  bool driven_ = true;
  AudioFill audioFill_ = nullptr;
  void* audioUser_ = nullptr;
  std::int64_t frameStart_ = 0;
  std::int64_t reads_ = 0;
  bool cursorRead_ = false;
};

}  // namespace frost::capture
