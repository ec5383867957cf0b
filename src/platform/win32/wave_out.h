// Sound output through the Windows wave-out API: a few buffers kept queued by a thread of its
// own, each refilled by the caller's pull function as the device finishes it.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/windows_lean.h"

namespace frost::win32 {

class WaveOut {
 public:
  WaveOut() = default;
  WaveOut(const WaveOut&) = delete;
  WaveOut& operator=(const WaveOut&) = delete;
  ~WaveOut() { Close(); }

  // 16-bit stereo at `rate`; false when there is no device that takes it.
  bool Open(int rate, AudioFill fill, void* user);
  // Returns once `fill` has returned for the last time.
  void Close();

  // A block is 512 frames, the mixer's own block; four of them queued are 46 ms at 44.1 kHz,
  // enough to ride out a slow frame without making the fade lag the picture.
  static constexpr int kBlockFrames = 512;
  static constexpr int kBlocks = 4;

 private:
  void Run();
  void Refill(WAVEHDR& header);

  HWAVEOUT device_ = nullptr;
  HANDLE done_ = nullptr;  // signalled by the device whenever a buffer comes back
  AudioFill fill_ = nullptr;
  void* user_ = nullptr;
  std::atomic<bool> stopping_{false};
  std::vector<std::int16_t> samples_;
  WAVEHDR headers_[kBlocks] = {};
  std::thread thread_;
};

}  // namespace frost::win32
