#include "support/mp3_writer.h"

#include <lame/lame.h>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace frost::testing {

bool WriteMp3(const std::string& path, const std::vector<float>& stereo, int rate, int kbps) {
  lame_global_flags* lame = lame_init();
  if (lame == nullptr) return false;
  lame_set_in_samplerate(lame, rate);
  lame_set_out_samplerate(lame, rate);
  lame_set_num_channels(lame, 2);
  lame_set_brate(lame, kbps);
  lame_set_quality(lame, 5);
  lame_set_bWriteVbrTag(lame, 1);
  if (lame_init_params(lame) < 0) {
    lame_close(lame);
    return false;
  }
  const int frames = static_cast<int>(stereo.size() / 2);
  std::vector<unsigned char> out(static_cast<std::size_t>(frames) * 5 / 4 + 7200 + 16384);
  const int written = lame_encode_buffer_interleaved_ieee_float(
      lame, stereo.data(), frames, out.data(), static_cast<int>(out.size()));
  int total = written < 0 ? -1 : written;
  if (total >= 0) {
    const int flushed =
        lame_encode_flush(lame, out.data() + total, static_cast<int>(out.size()) - total);
    total = flushed < 0 ? -1 : total + flushed;
  }
  bool ok = total >= 0;
  if (ok) {
    // The Info tag, now that the lengths are known, goes where its placeholder frame was.
    unsigned char tag[8192];
    const std::size_t tagBytes = lame_get_lametag_frame(lame, tag, sizeof tag);
    if (tagBytes > 0 && tagBytes <= static_cast<std::size_t>(total)) {
      std::copy(tag, tag + tagBytes, out.begin());
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ok = file != nullptr && std::fwrite(out.data(), 1, static_cast<std::size_t>(total), file) ==
                                static_cast<std::size_t>(total);
    if (file != nullptr) ok = std::fclose(file) == 0 && ok;
  }
  lame_close(lame);
  return ok;
}

std::vector<float> Sine(double hz, double amplitude, double seconds, int rate) {
  const auto frames = static_cast<std::size_t>(std::lround(seconds * rate));
  std::vector<float> stereo(frames * 2);
  for (std::size_t i = 0; i < frames; ++i) {
    const auto v = static_cast<float>(
        amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(i) / rate));
    stereo[i * 2] = v;
    stereo[i * 2 + 1] = v;
  }
  return stereo;
}

}  // namespace frost::testing
