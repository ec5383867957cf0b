#include "platform/win32/wave_out.h"

namespace frost::win32 {

bool WaveOut::Open(int rate, AudioFill fill, void* user) {
  Close();
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 2;
  format.nSamplesPerSec = static_cast<DWORD>(rate);
  format.wBitsPerSample = 16;
  format.nBlockAlign = 4;
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;

  done_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (done_ == nullptr) return false;
  if (waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done_), 0,
                  CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    device_ = nullptr;
    CloseHandle(done_);
    done_ = nullptr;
    return false;
  }
  fill_ = fill;
  user_ = user;
  stopping_ = false;
  samples_.assign(static_cast<std::size_t>(kBlocks) * kBlockFrames * 2, 0);
  for (int i = 0; i < kBlocks; ++i) {
    WAVEHDR& header = headers_[i];
    header = WAVEHDR{};
    header.lpData =
        reinterpret_cast<LPSTR>(samples_.data() + static_cast<std::size_t>(i) * kBlockFrames * 2);
    header.dwBufferLength = kBlockFrames * 4;
    waveOutPrepareHeader(device_, &header, sizeof(WAVEHDR));
  }
  // The first blocks are written from the thread too, so that `fill` only ever runs there.
  thread_ = std::thread([this] { Run(); });
  return true;
}

void WaveOut::Refill(WAVEHDR& header) {
  fill_(user_, reinterpret_cast<std::int16_t*>(header.lpData), kBlockFrames);
  waveOutWrite(device_, &header, sizeof(WAVEHDR));
}

void WaveOut::Run() {
  for (WAVEHDR& header : headers_) Refill(header);
  while (!stopping_) {
    WaitForSingleObject(done_, 100);
    for (WAVEHDR& header : headers_) {
      if (stopping_) break;
      if ((header.dwFlags & WHDR_DONE) != 0) Refill(header);
    }
  }
}

void WaveOut::Close() {
  if (device_ == nullptr) return;
  stopping_ = true;
  SetEvent(done_);
  if (thread_.joinable()) thread_.join();
  // Returns every queued buffer at once, so that they can be unprepared.
  waveOutReset(device_);
  for (WAVEHDR& header : headers_) waveOutUnprepareHeader(device_, &header, sizeof(WAVEHDR));
  waveOutClose(device_);
  device_ = nullptr;
  CloseHandle(done_);
  done_ = nullptr;
  fill_ = nullptr;
  user_ = nullptr;
}

}  // namespace frost::win32
