#include "audio/fsound.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#if FROST_CD_DECODER
#include "audio/cd_decoder.h"
#endif
#include "audio/fft_analyser.h"
#include "audio/mixer.h"
#include "audio/mp3_decoder.h"
#include "audio/sound_library_state.h"
#include "platform/platform.h"

namespace frost {

Library& Lib() {
  static Library* const library = new Library;
  return *library;
}

bool Known(const FSOUND_STREAM* stream) {
  const auto& streams = Lib().streams;
  return stream != nullptr && std::any_of(streams.begin(), streams.end(),
                                          [stream](const std::unique_ptr<FSOUND_STREAM>& s) {
                                            return s.get() == stream;
                                          });
}

namespace {

void SoundCardNeedsFrames(void* mixer, std::int16_t* stereo, int frames) {
  static_cast<Mixer*>(mixer)->Fill(stereo, frames);
}

signed char Fail(int error) {
  Lib().error = error;
  return 0;
}

}  // namespace

signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int) {
  Library& lib = Lib();
  if (lib.open) return Fail(FMOD_ERR_BUSY);
  if (mixrate < 4000 || mixrate > 192000 || maxsoftwarechannels < 1 || maxsoftwarechannels > 1024) {
    return Fail(FMOD_ERR_INVALID_PARAM);
  }
  auto mixer = std::make_unique<Mixer>(maxsoftwarechannels);
  if (!Os().OpenAudioOutput(mixrate, &SoundCardNeedsFrames, mixer.get())) {
    return Fail(FMOD_ERR_INIT);
  }
  lib.mixer = std::move(mixer);
  lib.rate = mixrate;
  lib.open = true;
  lib.mixer->SetAnalyser(lib.fft.active);
  lib.error = FMOD_ERR_NONE;
  return 1;
}

void FSOUND_Close() {
  Library& lib = Lib();
  if (!lib.open) return;
  // A disc the system plays would go on after the program ends.
  if (lib.systemCd) Os().StopSystemCd();
  lib.systemCd = false;
  // The sound card stops calling the mixer before anything it reads goes away.
  Os().CloseAudioOutput();
  lib.mixer->Clear();
  lib.streams.clear();  // each stream's thread finishes and closes its file
  lib.mixer.reset();
  lib.fft.active = false;
  lib.open = false;
}

int FSOUND_GetError() {
  return Lib().error;
}

FSOUND_STREAM* FSOUND_Stream_Open(const char* name, unsigned int mode, int, int) {
  Library& lib = Lib();
  if (!lib.open) {
    Fail(FMOD_ERR_UNINITIALIZED);
    return nullptr;
  }
  if (name == nullptr) {
    Fail(FMOD_ERR_INVALID_PARAM);
    return nullptr;
  }
  int error = FMOD_ERR_NONE;
  auto decoder = Mp3Decoder::Open(name, lib.rate, (mode & FSOUND_LOOP_NORMAL) != 0, error);
  if (!decoder) {
    Fail(error);
    return nullptr;
  }
  auto stream = std::make_unique<FSOUND_STREAM>();
  stream->source = std::make_shared<StreamingSource>(std::move(decoder));
  lib.streams.push_back(std::move(stream));
  return lib.streams.back().get();
}

int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream) {
  Library& lib = Lib();
  if (!lib.open) return Fail(FMOD_ERR_UNINITIALIZED), -1;
  if (!Known(stream) || channel < FSOUND_FREE || channel >= lib.mixer->ChannelCount()) {
    return Fail(FMOD_ERR_INVALID_PARAM), -1;
  }
  lib.mixer->Stop(stream->source.get());  // one stream plays on one channel at a time
  const int played = lib.mixer->Play(channel, stream->source);
  if (played < 0) return Fail(FMOD_ERR_CHANNEL_ALLOC), -1;
  return played;
}

signed char FSOUND_Stream_Stop(FSOUND_STREAM* stream) {
  Library& lib = Lib();
  if (!lib.open) return Fail(FMOD_ERR_UNINITIALIZED);
  if (!Known(stream)) return Fail(FMOD_ERR_INVALID_PARAM);
  lib.mixer->Stop(stream->source.get());
  return 1;
}

signed char FSOUND_Stream_Close(FSOUND_STREAM* stream) {
  Library& lib = Lib();
  if (!lib.open) return Fail(FMOD_ERR_UNINITIALIZED);
  if (!Known(stream)) return Fail(FMOD_ERR_INVALID_PARAM);
  lib.mixer->Stop(stream->source.get());
  std::erase_if(lib.streams,
                [stream](const std::unique_ptr<FSOUND_STREAM>& s) { return s.get() == stream; });
  return 1;
}

signed char FSOUND_SetVolume(int channel, int vol) {
  Library& lib = Lib();
  if (!lib.open) return Fail(FMOD_ERR_UNINITIALIZED);
  if (!lib.mixer->SetVolume(channel, vol)) return Fail(FMOD_ERR_INVALID_PARAM);
  return 1;
}

FSOUND_DSPUNIT* FSOUND_DSP_GetFFTUnit() {
  return &Lib().fft;
}

signed char FSOUND_DSP_SetActive(FSOUND_DSPUNIT* unit, signed char active) {
  Library& lib = Lib();
  if (unit != &lib.fft) return Fail(FMOD_ERR_INVALID_PARAM);
  unit->active = active != 0;
  if (lib.open) lib.mixer->SetAnalyser(unit->active);
  return 1;
}

float* FSOUND_DSP_GetSpectrum() {
  Library& lib = Lib();
  if (!lib.open || !lib.fft.active) return nullptr;
  return lib.mixer->CopySpectrum(lib.spectrum) ? lib.spectrum : nullptr;
}

signed char FSOUND_CD_Play(char, int track) {
  Library& lib = Lib();
  if (!lib.open) return Fail(FMOD_ERR_UNINITIALIZED);
  if (track < 1) return Fail(FMOD_ERR_INVALID_PARAM);
  if (lib.cdDevice.empty()) {
    switch (Os().PlaySystemCd(track)) {
      case SystemCdPlay::Playing:
        lib.systemCd = true;
        return 1;
      case SystemCdPlay::NoDrive:
        return Fail(FMOD_ERR_PLAY);
      case SystemCdPlay::NotOffered:
        break;
    }
  }
#if FROST_CD_DECODER
  const std::string device = lib.cdDevice.empty() ? CdDecoder::DefaultDrive() : lib.cdDevice;
  if (!device.empty()) {
    lib.mixer->PlayCd(
        std::make_shared<StreamingSource>(std::make_unique<CdDecoder>(device, track)));
    return 1;
  }
#endif
  lib.mixer->PlayCd(nullptr);
  return Fail(FMOD_ERR_PLAY);
}

signed char FSOUND_CD_Stop(char) {
  Library& lib = Lib();
  if (!lib.open) return Fail(FMOD_ERR_UNINITIALIZED);
  if (lib.systemCd) Os().StopSystemCd();
  lib.systemCd = false;
  lib.mixer->PlayCd(nullptr);
  return 1;
}

}  // namespace frost
