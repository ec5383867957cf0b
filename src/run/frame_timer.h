// The millisecond clock every animation and beat is timed with.
#pragma once

#include <cstdint>

namespace frost {

// A millisecond clock on the performance counter, or on the millisecond timer when the machine
// has no performance counter. The choice is made once, at construction; both paths convert to
// milliseconds the same way, so callers never see which one runs. It never sleeps or blocks.
class FrameTimer {
 public:
  FrameTimer();

  void Reset();              // restart from now; the mark is kept
  double ElapsedMs() const;  // since construction or the last Reset
  void Mark() { mark_ = ElapsedMs(); }
  double SinceMark() const { return ElapsedMs() - mark_; }  // negative after a Reset is fine

  bool HighResolution() const { return highResolution_; }

 private:
  std::int64_t countsPerSecond_ = 0;
  float secondsPerCount_ = 0.0f;
  std::uint32_t baseMs_ = 0;
  bool highResolution_ = false;
  std::int64_t baseCount_ = 0;
  double mark_ = 0.0;
};

}  // namespace frost
