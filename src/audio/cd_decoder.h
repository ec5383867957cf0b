// Audio CD tracks read with libcdio-paranoia (which corrects jitter and scratches), from the
// given track to the disc's last audio track and round again.
#pragma once

#include <string>

#include "audio/pcm_decoder.h"

typedef struct cdrom_drive_s cdrom_drive_t;
typedef struct cdrom_paranoia_s cdrom_paranoia_t;

namespace frost {

class CdDecoder : public PcmDecoder {
 public:
  // The system's default CD drive, or an empty string when it has none.
  static std::string DefaultDrive();

  // `device` is a drive (or a disc image that libcdio reads). Nothing is touched until the
  // first Decode, on the streaming thread: a drive can take seconds to spin up.
  CdDecoder(std::string device, int firstTrack);
  ~CdDecoder() override;

  // No drive, no disc, no audio track or a read that fails: it ends, and the channel is silent.
  std::size_t Decode(float* stereo, std::size_t frames) override;

 private:
  bool OpenDisc();
  bool SeekTrack(int track);

  std::string device_;
  int firstTrack_;
  int track_ = 0;
  int lastAudioTrack_ = 0;
  long sector_ = 0;
  long trackEnd_ = 0;
  bool opened_ = false;
  bool failed_ = false;
  void* cdio_ = nullptr;
  cdrom_drive_t* drive_ = nullptr;
  cdrom_paranoia_t* paranoia_ = nullptr;
  // One sector is 588 frames; what did not fit the last call waits here.
  float pending_[588 * 2] = {};
  std::size_t pendingAt_ = 0;
  std::size_t pendingFrames_ = 0;
};

}  // namespace frost
