#include "platform/sdl/sdl_audio_output.h"

#include <cstdint>
#include <cstring>

namespace frost::linux_host {

bool SdlAudioOutput::Open(int rate, AudioFill fill, void* user) {
  if (device_ != 0 || fill == nullptr || rate <= 0) return false;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  subsystemStarted_ = true;
  fill_ = fill;
  user_ = user;

  SDL_AudioSpec want{};
  want.freq = rate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  // About 12 ms a buffer: short enough that the spectrum keeps up with the beat.
  want.samples = 512;
  want.callback = &SdlAudioOutput::Callback;
  want.userdata = this;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the device really takes.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    Close();
    return false;
  }
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlAudioOutput::Close() {
  if (device_ != 0) {
    // Returns once the callback has finished for good.
    SDL_CloseAudioDevice(device_);
    device_ = 0;
  }
  if (subsystemStarted_) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystemStarted_ = false;
  }
  fill_ = nullptr;
  user_ = nullptr;
}

void SdlAudioOutput::Callback(void* self, Uint8* stream, int bytes) {
  auto* output = static_cast<SdlAudioOutput*>(self);
  const int frames = bytes / static_cast<int>(2 * sizeof(std::int16_t));
  if (output->fill_ == nullptr) {
    std::memset(stream, 0, static_cast<std::size_t>(bytes));
    return;
  }
  output->fill_(output->user_, reinterpret_cast<std::int16_t*>(stream), frames);
}

}  // namespace frost::linux_host
