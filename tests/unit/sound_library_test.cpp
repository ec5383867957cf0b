// The sound library on a fake sound card that the test pulls, so every sample can be checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

#include "audio/fft_analyser.h"
#include "audio/fsound.h"
#include "audio/sound_library_probe.h"
#include "support/fake_platform.h"
#include "support/mp3_writer.h"

namespace frost {
namespace {

using testing::ScopedFakePlatform;
using testing::Sine;
using testing::TempDir;
using testing::WriteMp3;

constexpr double kBinHz = 44100.0 / 1024.0;

class SoundLibraryTest : public ::testing::Test {
 protected:
  void TearDown() override {
    FSOUND_DSP_SetActive(FSOUND_DSP_GetFFTUnit(), 0);
    FSOUND_Close();
  }

  std::string Mp3(const std::string& name, const std::vector<float>& stereo) {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(WriteMp3(path, stereo));
    return path;
  }

  // Plays `frames` frames of the stream through the fake sound card, in device-sized pulls.
  std::vector<std::int16_t> Pull(FSOUND_STREAM* stream, int frames, int pull = 1024) {
    std::vector<std::int16_t> out;
    for (int done = 0; done < frames; done += pull) {
      const int n = std::min(pull, frames - done);
      if (stream != nullptr) {
        WaitStreamDecoded(stream, static_cast<std::size_t>(n), std::chrono::seconds(10));
      }
      const auto got = fake_->PullAudio(n);
      out.insert(out.end(), got.begin(), got.end());
    }
    return out;
  }

  FSOUND_STREAM* PlayFile(const std::string& path, int* channel = nullptr) {
    EXPECT_NE(FSOUND_Init(44100, 32, 0), 0);
    FSOUND_STREAM* stream = FSOUND_Stream_Open(path.c_str(), FSOUND_LOOP_NORMAL | FSOUND_2D, 0, 0);
    EXPECT_NE(stream, nullptr) << FmodErrorText(FSOUND_GetError());
    const int played = FSOUND_Stream_Play(FSOUND_FREE, stream);
    EXPECT_GE(played, 0);
    if (channel != nullptr) *channel = played;
    return stream;
  }

  static double Rms(const std::vector<std::int16_t>& samples, std::size_t from = 0) {
    double sum = 0.0;
    for (std::size_t i = from; i < samples.size(); ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(samples.size() - from)) / 32768.0;
  }

  ScopedFakePlatform fake_;
  TempDir dir_;
};

// The texts the user can meet are checked where the library sets their codes, below.
TEST(FmodErrorTextTest, CodesOutsideTheTableAreUnknown) {
  for (int code : {-1, 19, 1000}) EXPECT_STREQ(FmodErrorText(code), "Unknown error");
}

TEST(SpectrumAnalyserTest, SineReadsItsAmplitudeInItsBinAndSilenceReadsZero) {
  SpectrumAnalyser analyser;
  std::vector<float> samples(kSpectrumWindow);
  std::vector<float> bins(kSpectrumBins);
  for (int bin : {1, 2, 7, 110, 275, 500}) {
    for (int i = 0; i < kSpectrumWindow; ++i) {
      samples[i] = static_cast<float>(std::sin(2.0 * std::numbers::pi * bin * i / kSpectrumWindow));
    }
    ASSERT_TRUE(analyser.Compute(samples.data(), bins.data()));
    EXPECT_NEAR(bins[bin], 1.0f, 1e-3) << bin;
    // (Bin 1's lower neighbour is 0, where its negative-frequency image lands as well.)
    if (bin > 1) {
      EXPECT_NEAR(bins[bin - 1], 0.5f, 1e-3) << bin;
    }
    EXPECT_NEAR(bins[bin + 1], 0.5f, 1e-3) << bin;
    EXPECT_LT(bins[(bin + 40) % kSpectrumBins], 1e-3) << bin;
  }
  // Half-way between two centres the window's scalloping costs about 15 percent.
  for (int i = 0; i < kSpectrumWindow; ++i) {
    samples[i] = static_cast<float>(std::sin(2.0 * std::numbers::pi * 50.5 * i / kSpectrumWindow));
  }
  analyser.Compute(samples.data(), bins.data());
  EXPECT_NEAR(bins[50], 0.85f, 0.03f);
  EXPECT_NEAR(bins[51], 0.85f, 0.03f);

  std::fill(samples.begin(), samples.end(), 0.0f);
  analyser.Compute(samples.data(), bins.data());
  EXPECT_TRUE(std::all_of(bins.begin(), bins.end(), [](float b) { return b == 0.0f; }));
}

TEST_F(SoundLibraryTest, InitOpensTheSoundCardOnceAndCloseLetsItGo) {
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  EXPECT_EQ(fake_->audioRate, 44100);
  EXPECT_TRUE(fake_->AudioOpen());
  EXPECT_EQ(FSOUND_Init(44100, 32, 0), 0);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_BUSY);
  FSOUND_Close();
  EXPECT_FALSE(fake_->AudioOpen());
  FSOUND_Close();  // twice is harmless
  // And it can be opened again.
  EXPECT_NE(FSOUND_Init(44100, 32, 0), 0);
}

TEST_F(SoundLibraryTest, NoSoundDeviceFailsInitWithTheOutputDeviceError) {
  fake_->audioDeviceMissing = true;
  EXPECT_EQ(FSOUND_Init(44100, 32, 0), 0);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_INIT);
  EXPECT_STREQ(FmodErrorText(FSOUND_GetError()), "Error initializing output device.");
  // The calls a frame makes stay harmless.
  EXPECT_EQ(FSOUND_SetVolume(0, 100), 0);
  EXPECT_EQ(FSOUND_DSP_GetSpectrum(), nullptr);
  EXPECT_EQ(FSOUND_Stream_Open("x.mp3", FSOUND_LOOP_NORMAL, 0, 0), nullptr);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_UNINITIALIZED);
  EXPECT_EQ(FSOUND_CD_Stop(0), 0);
  FSOUND_Close();
}

TEST_F(SoundLibraryTest, FilesThatCannotBePlayedAreRefusedWithTheirCode) {
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  auto open = [](const std::string& path) {
    return FSOUND_Stream_Open(path.c_str(), FSOUND_LOOP_NORMAL | FSOUND_2D, 0, 0);
  };
  EXPECT_EQ(open(dir_.File("missing.mp3")), nullptr);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_NOTFOUND);
  EXPECT_STREQ(FmodErrorText(FSOUND_GetError()), "File not found");
  EXPECT_EQ(open(""), nullptr);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_NOTFOUND);

  testing::WriteFileBytes(dir_.File("empty.mp3"), "");
  EXPECT_EQ(open(dir_.File("empty.mp3")), nullptr);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_BAD);
  EXPECT_STREQ(FmodErrorText(FSOUND_GetError()), "Error loading file");
  EXPECT_EQ(open(dir_.path()), nullptr);
#ifdef _WIN32
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_NOTFOUND);  // Windows opens no folder as a file
#else
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_BAD);  // a folder opens, but cannot be read
#endif

  std::string text;
  for (int i = 0; i < 2000; ++i) text += "This is a text file, not music. ";
  testing::WriteFileBytes(dir_.File("notes.mp3"), text);
  EXPECT_EQ(open(dir_.File("notes.mp3")), nullptr);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_FORMAT);
  EXPECT_STREQ(FmodErrorText(FSOUND_GetError()), "Unknown file format");
  // A JPEG starts with 0xFF like a frame header does.
  std::string jpeg = "\xFF\xD8\xFF\xE0";
  jpeg += std::string(40000, '\x42');
  testing::WriteFileBytes(dir_.File("picture.mp3"), jpeg);
  EXPECT_EQ(open(dir_.File("picture.mp3")), nullptr);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_FILE_FORMAT);

  EXPECT_EQ(FSOUND_Stream_Open(nullptr, 0, 0, 0), nullptr);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_INVALID_PARAM);
  EXPECT_STREQ(FmodErrorText(FSOUND_GetError()),
               "An invalid parameter was passed to this function");
  // Handles that were never opened are refused, not followed.
  EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, nullptr), -1);
  EXPECT_EQ(FSOUND_Stream_Stop(reinterpret_cast<FSOUND_STREAM*>(&text)), 0);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_INVALID_PARAM);
}

TEST_F(SoundLibraryTest, SpectrumOfPlayedSinesPeaksInTheirBins) {
  // Frequencies on bin centres, as loud as an MP3 encoder takes without clipping.
  for (int bin : {2, 110, 275}) {
    const std::string path =
        Mp3("sine" + std::to_string(bin) + ".mp3", Sine(bin * kBinHz, 0.9, 1.0));
    FSOUND_STREAM* stream = PlayFile(path);
    FSOUND_SetVolume(0, 255);
    ASSERT_NE(FSOUND_DSP_SetActive(FSOUND_DSP_GetFFTUnit(), 1), 0);
    Pull(stream, 8192);
    const float* spectrum = FSOUND_DSP_GetSpectrum();
    ASSERT_NE(spectrum, nullptr);
    const auto peak = std::max_element(spectrum, spectrum + kSpectrumBins) - spectrum;
    EXPECT_EQ(peak, bin);
    EXPECT_NEAR(spectrum[bin], 0.9f, 0.05f) << bin;
    FSOUND_Close();
  }
}

TEST_F(SoundLibraryTest, SpectrumIsNullUntilTheAnalyserIsOnAndSomethingPlays) {
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  EXPECT_EQ(FSOUND_DSP_GetSpectrum(), nullptr);
  ASSERT_NE(FSOUND_DSP_SetActive(FSOUND_DSP_GetFFTUnit(), 1), 0);
  EXPECT_EQ(FSOUND_DSP_GetSpectrum(), nullptr);  // on, but no stream
  FSOUND_Close();

  FSOUND_STREAM* stream = PlayFile(Mp3("quiet.mp3", Sine(440.0, 0.0, 0.5)));
  FSOUND_DSP_SetActive(FSOUND_DSP_GetFFTUnit(), 0);
  Pull(stream, 4096);
  EXPECT_EQ(FSOUND_DSP_GetSpectrum(), nullptr);  // playing, analyser off
  FSOUND_DSP_SetActive(FSOUND_DSP_GetFFTUnit(), 1);
  Pull(stream, 4096);
  const float* spectrum = FSOUND_DSP_GetSpectrum();
  ASSERT_NE(spectrum, nullptr);
  EXPECT_LT(*std::max_element(spectrum, spectrum + kSpectrumBins), 1e-3f);  // silence
  FSOUND_Stream_Stop(stream);
  EXPECT_EQ(FSOUND_DSP_GetSpectrum(), nullptr);
}

TEST_F(SoundLibraryTest, StreamLoopsWithoutAGapOrAClick) {
  // 0.2 s (8820 frames) of 225 Hz hold exactly 45 cycles: played round, one endless sine.
  const std::vector<float> whole = Sine(225.0, 0.5, 0.2);
  ASSERT_EQ(whole.size() / 2, 8820u);
  FSOUND_STREAM* stream = PlayFile(Mp3("loop.mp3", whole));
  const auto out = Pull(stream, 8820 * 5 + 100);
  ASSERT_EQ(out.size(), (8820u * 5 + 100) * 2);
  // The steepest step of a 225 Hz sine at 0.5 is 2 pi x 225 / 44100 x 0.5 = 0.016 of full
  // scale; a gap or a jump at the loop point would be far steeper.
  const double limit = 2.0 * std::numbers::pi * 225.0 / 44100.0 * 0.5 * 1.5 * 32768.0;
  int worst = 0;
  std::size_t worstAt = 0;
  for (std::size_t i = 2; i < out.size(); i += 2) {
    const int step = std::abs(out[i] - out[i - 2]);
    if (step > worst) {
      worst = step;
      worstAt = i / 2;
    }
  }
  EXPECT_LT(worst, limit) << "at frame " << worstAt;
  // And it keeps its level all the way: no stretch of silence anywhere.
  for (std::size_t start = 0; start + 882 * 2 <= out.size(); start += 882 * 2) {
    const std::vector<std::int16_t> piece(out.begin() + start, out.begin() + start + 882 * 2);
    EXPECT_NEAR(Rms(piece), 0.5 / std::sqrt(2.0), 0.03) << "at frame " << start / 2;
  }
}

TEST_F(SoundLibraryTest, VolumeScalesTheChannel) {
  int channel = -1;
  FSOUND_STREAM* stream = PlayFile(Mp3("tone.mp3", Sine(1000.0, 0.5, 1.0)), &channel);
  ASSERT_EQ(channel, 0);
  FSOUND_SetVolume(channel, 255);
  const double full = Rms(Pull(stream, 8192), 4096);
  FSOUND_SetVolume(channel, 51);
  const double fifth = Rms(Pull(stream, 8192), 4096);
  FSOUND_SetVolume(channel, 0);
  const double none = Rms(Pull(stream, 8192), 4096);
  EXPECT_NEAR(full, 0.5 / std::sqrt(2.0), 0.02);
  EXPECT_NEAR(fifth / full, 0.2, 0.01);
  EXPECT_EQ(none, 0.0);
  EXPECT_EQ(FSOUND_SetVolume(31, 10), 1);
  EXPECT_EQ(FSOUND_SetVolume(32, 10), 0);  // only 32 channels
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_INVALID_PARAM);
}

TEST_F(SoundLibraryTest, StreamThatTurnsCorruptInTheMiddleKeepsPlaying) {
  // Two seconds of tone with a stretch of junk bytes written over its middle.
  const std::string path = Mp3("scratched.mp3", Sine(500.0, 0.5, 2.0));
  std::string bytes = testing::ReadFileBytes(path);
  ASSERT_GT(bytes.size(), 30000u);
  for (std::size_t i = bytes.size() / 2; i < bytes.size() / 2 + 5000; ++i) {
    bytes[i] = static_cast<char>((i * 7919) & 0xFF);
  }
  testing::WriteFileBytes(path, bytes);
  FSOUND_STREAM* stream = PlayFile(path);
  const auto out = Pull(stream, 44100 * 3);
  // Tone before the damage, tone after it, and tone again once it has looped.
  for (double at : {0.3, 1.7, 2.6}) {
    const auto from = static_cast<std::ptrdiff_t>(at * 44100) * 2;
    const std::vector<std::int16_t> piece(out.begin() + from, out.begin() + from + 4410 * 2);
    EXPECT_GT(Rms(piece), 0.25) << "at " << at << " s";
  }
}

TEST_F(SoundLibraryTest, StopCloseAndReopenReleaseEverything) {
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  const std::string path = Mp3("short.mp3", Sine(300.0, 0.3, 0.5));
  std::vector<FSOUND_STREAM*> streams;
  for (int i = 0; i < 3; ++i) {
    streams.push_back(FSOUND_Stream_Open(path.c_str(), FSOUND_LOOP_NORMAL, 0, 0));
    ASSERT_NE(streams.back(), nullptr);
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, streams.back()), i);
  }
  Pull(streams[0], 2048);
  EXPECT_EQ(FSOUND_Stream_Stop(streams[1]), 1);
  EXPECT_EQ(FSOUND_Stream_Close(streams[2]), 1);
  EXPECT_EQ(FSOUND_Stream_Stop(streams[2]), 0);  // closed: no longer known
  // The freed channel is the first one handed out again.
  FSOUND_STREAM* again = FSOUND_Stream_Open(path.c_str(), FSOUND_LOOP_NORMAL, 0, 0);
  EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, again), 1);
  FSOUND_Close();  // the rest, with their threads and files (AddressSanitizer checks leaks)
  EXPECT_FALSE(fake_->AudioOpen());
  EXPECT_EQ(FSOUND_Stream_Stop(streams[0]), 0);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_UNINITIALIZED);
}

TEST_F(SoundLibraryTest, CdWithoutADriveIsRefusedAndSilent) {
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  UseCdDevice(dir_.File("no-such-drive").c_str());
#ifdef _WIN32
  // The Windows build reads no disc itself (the system plays them): a named drive is refused.
  EXPECT_EQ(FSOUND_CD_Play(0, 1), 0);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_PLAY);
#else
  // A device that cannot be opened plays silence: the mix stays at zero and nothing hangs.
  EXPECT_EQ(FSOUND_CD_Play(0, 1), 1);
#endif
  const auto out = Pull(nullptr, 4096);
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](std::int16_t s) { return s == 0; }));
  EXPECT_EQ(FSOUND_CD_Stop(0), 1);
  UseCdDevice(nullptr);
}

TEST_F(SoundLibraryTest, CdTheSystemPlaysBypassesTheMixAndStopsWithTheLibrary) {
  fake_->systemCd = SystemCdPlay::Playing;
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  EXPECT_EQ(FSOUND_CD_Play(0, 3), 1);
  EXPECT_TRUE(fake_->Called("PlaySystemCd 3"));
  const auto out = Pull(nullptr, 2048);
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](std::int16_t s) { return s == 0; }));
  EXPECT_EQ(FSOUND_CD_Stop(0), 1);
  EXPECT_TRUE(fake_->Called("StopSystemCd"));

  // A disc still playing when the library closes would go on after the program: it is stopped,
  // once.
  fake_->calls.clear();
  EXPECT_EQ(FSOUND_CD_Play(0, 1), 1);
  FSOUND_Close();
  FSOUND_Close();
  EXPECT_EQ(std::count(fake_->calls.begin(), fake_->calls.end(), "StopSystemCd"), 1);
}

TEST_F(SoundLibraryTest, CdTheSystemCannotPlayIsRefused) {
  fake_->systemCd = SystemCdPlay::NoDrive;
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  EXPECT_EQ(FSOUND_CD_Play(0, 0), 0);  // tracks count from 1; the system is not asked
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_INVALID_PARAM);
  EXPECT_FALSE(fake_->Called("PlaySystemCd 0"));
  EXPECT_EQ(FSOUND_CD_Play(0, 1), 0);
  EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_PLAY);
  fake_->calls.clear();
  FSOUND_Close();
  EXPECT_FALSE(fake_->Called("StopSystemCd"));  // nothing was playing
}

TEST_F(SoundLibraryTest, NamedCdDriveIsNeverHandedToTheSystem) {
  fake_->systemCd = SystemCdPlay::Playing;
  ASSERT_NE(FSOUND_Init(44100, 32, 0), 0);
  UseCdDevice(dir_.File("no-such-drive").c_str());
  FSOUND_CD_Play(0, 1);
  EXPECT_FALSE(fake_->Called("PlaySystemCd 1"));
  UseCdDevice(nullptr);
}

}  // namespace
}  // namespace frost
