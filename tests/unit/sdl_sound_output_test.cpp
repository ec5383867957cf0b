// The sound library played through SDL's own drivers: the dummy one that machines without a
// sound card use, and the disk one, which writes what the card would have played to a file.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <thread>

#include "audio/fsound.h"
#include "platform/sdl/sdl_audio_output.h"
#include "support/fake_platform.h"
#include "support/mp3_writer.h"

namespace frost {
namespace {

// The fake platform with the real sound output in it.
class SdlSoundPlatform : public testing::FakePlatform {
 public:
  bool OpenAudioOutput(int rate, AudioFill fill, void* user) override {
    return output_.Open(rate, fill, user);
  }
  void CloseAudioOutput() override { output_.Close(); }

 private:
  linux_host::SdlAudioOutput output_;
};

class SdlSoundTest : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = SetPlatform(&platform_); }
  void TearDown() override {
    FSOUND_Close();
    SetPlatform(previous_);
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
  }
  SdlSoundPlatform platform_;
  Platform* previous_ = nullptr;
  testing::TempDir dir_;
};

TEST_F(SdlSoundTest, DummyDriverPlaysAndAMissingDriverFailsInit) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  const std::string path = dir_.File("tone.mp3");
  ASSERT_TRUE(testing::WriteMp3(path, testing::Sine(1000.0, 0.5, 0.3)));
  FSOUND_STREAM* stream = FSOUND_Stream_Open(path.c_str(), FSOUND_LOOP_NORMAL | FSOUND_2D, 0, 0);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, stream), 0);
  FSOUND_DSP_SetActive(FSOUND_DSP_GetFFTUnit(), 1);
  // 1000 Hz lies between bins 23 and 24; a busy machine may take a while to play the first.
  const float* spectrum = FSOUND_DSP_GetSpectrum();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (spectrum != nullptr && spectrum[23] <= 0.3f &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    spectrum = FSOUND_DSP_GetSpectrum();
  }
  ASSERT_NE(spectrum, nullptr);
  EXPECT_GT(spectrum[23], 0.3f);
  FSOUND_Stream_Stop(stream);
  FSOUND_Close();

  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_EQ(FSOUND_Init(44100, 32, 0), 0);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_INIT);
}

TEST_F(SdlSoundTest, DiskDriverOutputIsContinuousAcrossTheLoopPoint) {
  const std::string raw = dir_.File("played.raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
  // 0.2 s of 225 Hz: 45 whole cycles, so looped it is one unbroken sine.
  const std::string path = dir_.File("loop.mp3");
  ASSERT_TRUE(testing::WriteMp3(path, testing::Sine(225.0, 0.5, 0.2)));
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  FSOUND_STREAM* stream = FSOUND_Stream_Open(path.c_str(), FSOUND_LOOP_NORMAL | FSOUND_2D, 0, 0);
  ASSERT_NE(stream, nullptr);
  ASSERT_EQ(FSOUND_Stream_Play(FSOUND_FREE, stream), 0);
  // A second and a bit played, however long a busy machine takes to write it.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  auto written = [&raw] {
    std::error_code missing;
    const std::uintmax_t size = std::filesystem::file_size(raw, missing);
    return missing ? 0 : size;
  };
  while (written() < 44100u * 4 * 6 / 5 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  FSOUND_Stream_Stop(stream);
  FSOUND_Close();

  const std::string bytes = testing::ReadFileBytes(raw);
  const std::size_t frames = bytes.size() / 4;
  ASSERT_GT(frames, 44100u / 2) << "the disk driver wrote too little";
  auto left = [&bytes](std::size_t i) {
    std::int16_t s = 0;
    std::memcpy(&s, bytes.data() + i * 4, 2);
    return static_cast<int>(s);
  };
  // Skip the first buffers, which may hold silence from before the stream was playing; from
  // the first loud sample on, several loop points go by without a jump or a gap.
  std::size_t start = 0;
  while (start < frames && std::abs(left(start)) < 1000) ++start;
  ASSERT_LT(start + 44100 / 2, frames);
  const double limit = 2.0 * std::numbers::pi * 225.0 / 44100.0 * 0.5 * 32768.0 * 1.5;
  int worst = 0;
  std::size_t worstAt = 0;
  std::size_t end = frames - 4096;  // the tail may end in the silence after Stop
  for (std::size_t i = start + 1; i < end; ++i) {
    const int step = std::abs(left(i) - left(i - 1));
    if (step > worst) {
      worst = step;
      worstAt = i - start;
    }
  }
  EXPECT_LT(worst, limit) << "jump at frame " << worstAt << " of " << end - start;
}

}  // namespace
}  // namespace frost
