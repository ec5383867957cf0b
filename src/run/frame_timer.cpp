#include "run/frame_timer.h"

#include "platform/platform.h"

namespace frost {

FrameTimer::FrameTimer() {
  std::int64_t frequency = 0;
  if (Os().QueryPerformanceFrequency(frequency) && frequency > 0) {
    highResolution_ = true;
    countsPerSecond_ = frequency;
    secondsPerCount_ = static_cast<float>(1.0 / static_cast<double>(frequency));
    baseCount_ = Os().QueryPerformanceCounter();
  } else {
    highResolution_ = false;
    countsPerSecond_ = 1000;
    secondsPerCount_ = 0.001f;
    baseMs_ = Os().TimeGetTime();
  }
}

void FrameTimer::Reset() {
  if (highResolution_) {
    baseCount_ = Os().QueryPerformanceCounter();
  } else {
    baseMs_ = Os().TimeGetTime();
  }
}

double FrameTimer::ElapsedMs() const {
  if (highResolution_) {
    const std::int64_t counts = Os().QueryPerformanceCounter() - baseCount_;
    return static_cast<double>(counts) * static_cast<double>(secondsPerCount_) * 1000.0;
  }
  // Unsigned 32-bit difference: stays right across one wrap of the millisecond timer.
  const std::uint32_t ms = Os().TimeGetTime() - baseMs_;
  return static_cast<double>(ms) * static_cast<double>(secondsPerCount_) * 1000.0;
}

}  // namespace frost
