#include "audio/cd_decoder.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace frost {

namespace {
constexpr std::size_t kSectorFrames = CDIO_CD_FRAMESIZE_RAW / 4;
static_assert(kSectorFrames == 588);
// Paranoia's retries are bounded so that a badly scratched disc skips instead of stalling.
constexpr int kRetries = 5;
// libcdio tells its troubles on standard error; a screen saver with no drive has none to tell.
void QuietLibcdio() {
  static const bool quiet = [] {
    cdio_log_set_handler([](cdio_log_level_t, const char*) {});
    return true;
  }();
  (void)quiet;
}

}  // namespace

std::string CdDecoder::DefaultDrive() {
  QuietLibcdio();
  char* name = cdio_get_default_device(nullptr);
  if (name == nullptr) return {};
  std::string drive = name;
  cdio_free(name);
  return drive;
}

CdDecoder::CdDecoder(std::string device, int firstTrack)
    : device_(std::move(device)), firstTrack_(firstTrack) {}

CdDecoder::~CdDecoder() {
  if (paranoia_ != nullptr) cdio_paranoia_free(paranoia_);
  // Closing the drive closes the libcdio handle it was made from.
  if (drive_ != nullptr) {
    cdio_cddap_close(drive_);
  } else if (cdio_ != nullptr) {
    cdio_destroy(static_cast<CdIo_t*>(cdio_));
  }
}

bool CdDecoder::OpenDisc() {
  opened_ = true;
  QuietLibcdio();
  if (device_.empty()) return false;
  CdIo_t* cdio = cdio_open(device_.c_str(), DRIVER_UNKNOWN);
  if (cdio == nullptr) return false;
  cdio_ = cdio;
  drive_ = cdio_cddap_identify_cdio(cdio, CDDA_MESSAGE_FORGETIT, nullptr);
  if (drive_ == nullptr || cdio_cddap_open(drive_) != 0) return false;
  paranoia_ = cdio_paranoia_init(drive_);
  if (paranoia_ == nullptr) return false;
  cdio_paranoia_modeset(paranoia_, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
  const int tracks = cdio_cddap_tracks(drive_);
  for (int t = 1; t <= tracks; ++t) {
    if (cdio_cddap_track_audiop(drive_, static_cast<track_t>(t)) == 1) lastAudioTrack_ = t;
  }
  return lastAudioTrack_ >= firstTrack_ && firstTrack_ >= 1 && SeekTrack(firstTrack_);
}

bool CdDecoder::SeekTrack(int track) {
  for (int t = track; t <= lastAudioTrack_; ++t) {
    if (cdio_cddap_track_audiop(drive_, static_cast<track_t>(t)) != 1) continue;
    const lsn_t first = cdio_cddap_track_firstsector(drive_, static_cast<track_t>(t));
    const lsn_t last = cdio_cddap_track_lastsector(drive_, static_cast<track_t>(t));
    if (first < 0 || last < first) continue;
    if (cdio_paranoia_seek(paranoia_, first, SEEK_SET) < 0) return false;
    track_ = t;
    sector_ = first;
    trackEnd_ = last;
    return true;
  }
  return false;
}

std::size_t CdDecoder::Decode(float* stereo, std::size_t frames) {
  if (!opened_ && !OpenDisc()) failed_ = true;
  std::size_t given = 0;
  while (given < frames && !failed_) {
    if (pendingFrames_ == 0) {
      if (sector_ > trackEnd_) {
        // On to the next audio track; after the last, round again from the first one asked for.
        if (!SeekTrack(track_ + 1) && !SeekTrack(firstTrack_)) {
          failed_ = true;
          break;
        }
      }
      const int16_t* samples = cdio_paranoia_read_limited(paranoia_, nullptr, kRetries);
      if (samples == nullptr) {
        failed_ = true;
        break;
      }
      ++sector_;
      // Red Book audio is little-endian 16-bit stereo at 44100 Hz, which is what paranoia gives
      // back in host order.
      for (std::size_t i = 0; i < kSectorFrames * 2; ++i) pending_[i] = samples[i] / 32768.0f;
      pendingAt_ = 0;
      pendingFrames_ = kSectorFrames;
    }
    const std::size_t n = std::min(frames - given, pendingFrames_);
    std::copy_n(pending_ + pendingAt_ * 2, n * 2, stereo + given * 2);
    pendingAt_ += n;
    pendingFrames_ -= n;
    given += n;
  }
  return given;
}

}  // namespace frost
