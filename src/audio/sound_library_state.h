// The sound library's state, shared by its entry points (fsound.cpp) and the look inside it that
// only its tests and the capture tool link (sound_library_probe.cpp).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "audio/fft_analyser.h"
#include "audio/fmod_errors.h"
#include "audio/fsound.h"
#include "audio/mixer.h"
#include "audio/streaming_source.h"

namespace frost {

struct FSOUND_STREAM {
  std::shared_ptr<StreamingSource> source;
};

struct FSOUND_DSPUNIT {
  bool active = false;
};

struct Library {
  bool open = false;
  int error = FMOD_ERR_NONE;
  int rate = 0;
  std::unique_ptr<Mixer> mixer;
  std::vector<std::unique_ptr<FSOUND_STREAM>> streams;
  FSOUND_DSPUNIT fft;
  std::string cdDevice;   // empty: the system's default drive
  bool systemCd = false;  // the system's CD player is playing for us
  float spectrum[kSpectrumBins] = {};
};

// The one library. It is never destroyed: a program that ends with it open has the platform
// stop the sound card (each platform closes its output when it goes), and until then the card's
// thread finds every stream and the mixer where they were, whichever static goes first.
Library& Lib();

// Handles are checked against the open streams, so a stale or made-up pointer is refused
// instead of followed.
bool Known(const FSOUND_STREAM* stream);

}  // namespace frost
