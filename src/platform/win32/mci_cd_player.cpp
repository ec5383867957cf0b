#include "platform/win32/mci_cd_player.h"

#include <chrono>
#include <string>

#include "platform/win32/windows_lean.h"

namespace frost::win32 {
namespace {

constexpr const char* kAlias = "frostmote_cd";

bool Send(const std::string& command, std::string* answer = nullptr) {
  char buffer[128] = {};
  const MCIERROR error = mciSendStringA(command.c_str(), buffer, sizeof(buffer), nullptr);
  if (answer != nullptr) *answer = buffer;
  return error == 0;
}

// From `track` (tracks, minutes, seconds, frames) to the end of the disc.
void PlayFrom(int track) {
  Send("play " + std::string(kAlias) + " from " + std::to_string(track));
}

}  // namespace

SystemCdPlay MciCdPlayer::Play(int track) {
  Stop();
  if (!Send("open cdaudio alias " + std::string(kAlias) + " shareable wait")) {
    return SystemCdPlay::NoDrive;
  }
  open_ = true;
  Send("set " + std::string(kAlias) + " time format tmsf wait");
  PlayFrom(track);
  stopping_ = false;
  watcher_ = std::thread([this, track] { Watch(track); });
  return SystemCdPlay::Playing;
}

void MciCdPlayer::Watch(int track) {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stopping_) {
    wake_.wait_for(lock, std::chrono::seconds(1));
    if (stopping_) break;
    // The drive stops at the end of the disc; the music goes round again. An empty drive
    // answers "not ready" or "open" and is left alone until a disc arrives.
    std::string mode;
    if (Send("status " + std::string(kAlias) + " mode", &mode) && mode == "stopped") {
      std::string present;
      if (Send("status " + std::string(kAlias) + " media present", &present) && present == "true") {
        PlayFrom(track);
      }
    }
  }
}

void MciCdPlayer::Stop() {
  if (!open_) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (watcher_.joinable()) watcher_.join();
  Send("stop " + std::string(kAlias) + " wait");
  Send("close " + std::string(kAlias) + " wait");
  open_ = false;
}

}  // namespace frost::win32
