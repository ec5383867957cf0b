#include "audio/sound_library_probe.h"

#include <thread>

#include "audio/sound_library_state.h"

namespace frost {

std::size_t StreamBufferedFrames(FSOUND_STREAM* stream) {
  return Known(stream) ? stream->source->Buffered() : 0;
}

bool StreamDecoderEnded(FSOUND_STREAM* stream) {
  return Known(stream) && stream->source->Ended();
}

bool WaitStreamDecoded(FSOUND_STREAM* stream, std::size_t frames, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (StreamBufferedFrames(stream) < frames && !StreamDecoderEnded(stream)) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void UseCdDevice(const char* device) {
  Lib().cdDevice = device != nullptr ? device : "";
}

}  // namespace frost
