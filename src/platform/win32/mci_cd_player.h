// Audio CDs played by the drive itself through the media control interface: the program only
// says where to start; a watcher starts the disc again when it reaches the end.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/platform.h"

namespace frost::win32 {

class MciCdPlayer {
 public:
  MciCdPlayer() = default;
  MciCdPlayer(const MciCdPlayer&) = delete;
  MciCdPlayer& operator=(const MciCdPlayer&) = delete;
  ~MciCdPlayer() { Stop(); }

  // Playing from `track` to the end of the disc and round again, or NoDrive when no CD audio
  // device opens. A drive without a disc opens and plays nothing.
  SystemCdPlay Play(int track);
  void Stop();

 private:
  void Watch(int track);

  bool open_ = false;
  std::thread watcher_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
};

}  // namespace frost::win32
