// A ring of stereo float frames between one producer thread (a decoder) and one consumer (the
// mixer on the sound card's thread). Neither side ever waits for the other.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <vector>

namespace frost {

class PcmRing {
 public:
  explicit PcmRing(std::size_t frames) : data_(frames * 2), capacity_(frames) {}

  std::size_t Capacity() const { return capacity_; }
  std::size_t Buffered() const {
    return written_.load(std::memory_order_acquire) - read_.load(std::memory_order_acquire);
  }
  std::size_t Free() const { return capacity_ - Buffered(); }

  // Producer: copies up to `frames` frames in; returns how many fitted.
  std::size_t Write(const float* stereo, std::size_t frames) {
    const std::size_t w = written_.load(std::memory_order_relaxed);
    const std::size_t r = read_.load(std::memory_order_acquire);
    const std::size_t n = std::min(frames, capacity_ - (w - r));
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t at = ((w + i) % capacity_) * 2;
      data_[at] = stereo[i * 2];
      data_[at + 1] = stereo[i * 2 + 1];
    }
    written_.store(w + n, std::memory_order_release);
    return n;
  }

  // Consumer: copies up to `frames` frames out; returns how many there were.
  std::size_t Read(float* stereo, std::size_t frames) {
    const std::size_t r = read_.load(std::memory_order_relaxed);
    const std::size_t w = written_.load(std::memory_order_acquire);
    const std::size_t n = std::min(frames, w - r);
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t at = ((r + i) % capacity_) * 2;
      stereo[i * 2] = data_[at];
      stereo[i * 2 + 1] = data_[at + 1];
    }
    read_.store(r + n, std::memory_order_release);
    return n;
  }

 private:
  std::vector<float> data_;
  const std::size_t capacity_;
  // Frames ever written and read; their difference is what waits in the ring.
  std::atomic<std::size_t> written_{0};
  std::atomic<std::size_t> read_{0};
};

}  // namespace frost
