#include "driven_platform.h"

#include <cmath>
#include <cstdio>

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
  x = 0;
  y = 0;
  return true;
}

MessageAnswer DrivenPlatform::MessageBox(WindowHandle, const std::string& text,
                                         const std::string& caption, MessageButtons buttons,
                                         MessageIcon) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

}  // namespace frost::capture
