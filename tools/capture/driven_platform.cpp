#include "driven_platform.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "audio/music_stream.h"
#include "audio/sound_library_probe.h"

namespace frost::capture {

void DrivenPlatform::StartFrameAt(double sceneMs) {
  frameStart_ = static_cast<std::int64_t>(std::llround(sceneMs * 1000.0));
  reads_ = 0;
}

bool DrivenPlatform::QueryPerformanceFrequency(std::int64_t& countsPerSecond) {
  if (!driven_) return SdlPlatform::QueryPerformanceFrequency(countsPerSecond);
  countsPerSecond = kCountsPerSecond;
  return true;
}

std::int64_t DrivenPlatform::QueryPerformanceCounter() {
  if (!driven_) return SdlPlatform::QueryPerformanceCounter();
  return frameStart_ + readStep * reads_++;
}

bool DrivenPlatform::GetCursorPos(int& x, int& y) {
  x = cursorRead_ ? cursorX : 0;
  y = cursorRead_ ? cursorY : 0;
  cursorRead_ = true;
  return true;
}

MessageAnswer DrivenPlatform::MessageBox(WindowHandle, const std::string& text,
                                         const std::string& caption, MessageButtons buttons,
                                         MessageIcon) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

bool DrivenPlatform::OpenAudioOutput(int rate, AudioFill fill, void* user) {
  if (!driven_) return SdlPlatform::OpenAudioOutput(rate, fill, user);
  if (audioFill_ != nullptr) return false;
  audioFill_ = fill;
  audioUser_ = user;
  return true;
}

void DrivenPlatform::CloseAudioOutput() {
  if (!driven_) return SdlPlatform::CloseAudioOutput();
  audioFill_ = nullptr;
  audioUser_ = nullptr;
}

void DrivenPlatform::PullAudio(int frames) {
  if (audioFill_ == nullptr || frames <= 0) return;
  // The decoder runs on its own thread; a real card would find it far ahead, so wait until it
  // is (or has given up) rather than mix a gap that no real run would hear.
  if (FSOUND_STREAM* stream = MusicStream()) {
    WaitStreamDecoded(stream, static_cast<std::size_t>(frames), std::chrono::seconds(5));
  }
  std::vector<std::int16_t> discarded(static_cast<std::size_t>(frames) * 2);
  audioFill_(audioUser_, discarded.data(), frames);
}

}  // namespace frost::capture
