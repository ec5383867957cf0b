#include "audio/streaming_source.h"

#include <chrono>
#include <vector>

namespace frost {

namespace {
// One decoding step: about 23 ms of music.
constexpr std::size_t kChunkFrames = 1024;
}  // namespace

StreamingSource::StreamingSource(std::unique_ptr<PcmDecoder> decoder)
    : decoder_(std::move(decoder)) {
  thread_ = std::thread([this] { Run(); });
}

StreamingSource::~StreamingSource() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void StreamingSource::Run() {
  std::vector<float> chunk(kChunkFrames * 2);
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_) {
    if (ring_.Free() < kChunkFrames) {
      // The mixer takes about 5 ms of music every 5 ms: polling at that pace keeps the ring full
      // without the sound card's thread ever having to signal anyone.
      wake_.wait_for(lock, std::chrono::milliseconds(5));
      continue;
    }
    lock.unlock();
    const std::size_t frames = decoder_ ? decoder_->Decode(chunk.data(), kChunkFrames) : 0;
    if (frames > 0) ring_.Write(chunk.data(), frames);
    lock.lock();
    if (frames == 0) {
      ended_.store(true, std::memory_order_release);
      break;
    }
  }
  // The decoder's files and devices are released on this thread, where they were used.
  lock.unlock();
  decoder_.reset();
}

}  // namespace frost
