#include "decoded_music.h"

#include <mpg123.h>

#include <memory>

#include "arrangement.h"
#include "score.h"

namespace frost::musicgen::testing {
namespace {

struct HandleCloser {
  void operator()(mpg123_handle* handle) const {
    mpg123_close(handle);
    mpg123_delete(handle);
  }
};

}  // namespace

std::vector<float> DecodedMusic::Mono(float gain) const {
  std::vector<float> mono(left.size());
  for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * gain * (left[i] + right[i]);
  return mono;
}

DecodedMusic DecodeMp3(const std::string& path) {
  DecodedMusic music;
  int status = MPG123_OK;
  std::unique_ptr<mpg123_handle, HandleCloser> handle(mpg123_new(nullptr, &status));
  if (!handle) {
    music.error = "mpg123_new failed";
    return music;
  }
  // Every rate is accepted, so the file's own rate is reported rather than resampled away;
  // gapless decoding is libmpg123's default and is left alone, as the saver leaves it.
  mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
  mpg123_format_none(handle.get());
  const long* rates = nullptr;
  std::size_t rateCount = 0;
  mpg123_rates(&rates, &rateCount);
  for (std::size_t i = 0; i < rateCount; ++i) {
    mpg123_format(handle.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
  }
  if (mpg123_open(handle.get(), path.c_str()) != MPG123_OK) {
    music.error = "cannot open " + path;
    return music;
  }
  int encoding = 0;
  if (mpg123_getformat(handle.get(), &music.rate, &music.channels, &encoding) != MPG123_OK ||
      encoding != MPG123_ENC_FLOAT_32 || music.channels < 1 || music.channels > 2) {
    music.error = "unexpected output format";
    return music;
  }
  std::vector<float> block(4096 * 2);
  for (;;) {
    std::size_t bytes = 0;
    status = mpg123_read(handle.get(), block.data(), block.size() * sizeof(float), &bytes);
    const std::size_t frames = bytes / sizeof(float) / static_cast<std::size_t>(music.channels);
    for (std::size_t i = 0; i < frames; ++i) {
      const std::size_t at = i * static_cast<std::size_t>(music.channels);
      music.left.push_back(block[at]);
      music.right.push_back(block[at + static_cast<std::size_t>(music.channels) - 1]);
    }
    if (status == MPG123_DONE) break;
    if (status != MPG123_OK && status != MPG123_NEW_FORMAT) {
      music.error = std::string("decoding failed: ") + mpg123_plain_strerror(status);
      break;
    }
  }
  return music;
}

const DecodedMusic& GeneratedMusic() {
  static const DecodedMusic music = DecodeMp3(FROST_MUSIC_FILE);
  return music;
}

}  // namespace frost::musicgen::testing

namespace frost::musicgen::testing {

const StereoLoop& SynthesisedLoop() {
  static const StereoLoop loop = RenderLoop(WinterScore());
  return loop;
}

}  // namespace frost::musicgen::testing
