// Sound output through SDL: 16-bit stereo, pulled by SDL's audio thread.
#pragma once

#include <SDL.h>

#include "platform/platform.h"

namespace frost::linux_host {

class SdlAudioOutput {
 public:
  SdlAudioOutput() = default;
  ~SdlAudioOutput() { Close(); }
  SdlAudioOutput(const SdlAudioOutput&) = delete;
  SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

  bool Open(int rate, AudioFill fill, void* user);
  void Close();

 private:
  static void Callback(void* self, Uint8* stream, int bytes);

  SDL_AudioDeviceID device_ = 0;
  bool subsystemStarted_ = false;
  AudioFill fill_ = nullptr;
  void* user_ = nullptr;
};

}  // namespace frost::linux_host
