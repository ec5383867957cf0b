// The build's endcreds.mp3 as a file: what the saver's decoder gets from it, how loud it is,
// and whether it is exactly what the generator makes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "decoded_music.h"
#include "loop_timing.h"
#include "mp3_encoder.h"

namespace frost::musicgen::testing {
namespace {

double Decibels(double level) {
  return 20.0 * std::log10(level);
}

TEST(MusicFile, DecodesGaplessToExactlyTheSynthesisedSamples) {
  const DecodedMusic& music = GeneratedMusic();
  ASSERT_EQ(music.error, "");
  EXPECT_EQ(music.rate, kSampleRate);
  EXPECT_EQ(music.channels, 2);
  // Encoder delay and padding removed, nothing more and nothing less: otherwise the loop
  // would gain a gap or lose its first notes.
  EXPECT_EQ(music.Frames(), static_cast<std::size_t>(kLoopFrames));
  std::printf("decoded %zu samples a channel, %.2f s\n", music.Frames(),
              static_cast<double>(music.Frames()) / kSampleRate);
  EXPECT_GE(static_cast<double>(music.Frames()) / kSampleRate, 60.0);
}

TEST(MusicFile, PeaksWellBelowFullScale) {
  const DecodedMusic& music = GeneratedMusic();
  ASSERT_EQ(music.error, "");
  ASSERT_GT(music.Frames(), 0U);
  double peak = 0.0;
  double energy = 0.0;
  for (std::size_t i = 0; i < music.Frames(); ++i) {
    peak = std::max({peak, std::fabs(static_cast<double>(music.left[i])),
                     std::fabs(static_cast<double>(music.right[i]))});
    energy += 0.5 * (static_cast<double>(music.left[i]) * music.left[i] +
                     static_cast<double>(music.right[i]) * music.right[i]);
  }
  const double rms = std::sqrt(energy / static_cast<double>(music.Frames()));
  std::printf("peak %.2f dBFS, RMS %.1f dBFS\n", Decibels(peak), Decibels(rms));
  // The mixer clips at full scale. The generator limits its mix to -1.3 dBFS; the encoder may
  // overshoot that a little, but never by as much as a decibel.
  EXPECT_LT(Decibels(peak), -0.3);
  // And it is not so quiet that the drums cannot reach the beat thresholds.
  EXPECT_GT(Decibels(rms), -24.0);
}

TEST(MusicFile, IsAnMp3OfReasonableBitRate) {
  const auto bytes = std::filesystem::file_size(FROST_MUSIC_FILE);
  const double bitsPerSecond = static_cast<double>(bytes) * 8.0 / LoopSeconds();
  std::printf("%ju bytes, %.0f kbit/s\n", static_cast<std::uintmax_t>(bytes),
              bitsPerSecond / 1000.0);
  EXPECT_LT(bytes, 2u * 1024u * 1024u);
  EXPECT_GE(bitsPerSecond, 128000.0);
  EXPECT_LE(bitsPerSecond, 200000.0);
}

TEST(MusicFile, IsExactlyWhatTheGeneratorMakes) {
  // The build's copy must be neither stale nor different from run to run: the generator uses
  // no clock and no unseeded randomness, so a fresh render encodes to the same bytes.
  std::ifstream file(FROST_MUSIC_FILE, std::ios::binary);
  ASSERT_TRUE(file);
  const std::vector<std::uint8_t> built((std::istreambuf_iterator<char>(file)),
                                        std::istreambuf_iterator<char>());
  const std::vector<std::uint8_t> fresh = EncodeMp3(SynthesisedLoop());
  ASSERT_FALSE(fresh.empty());
  EXPECT_EQ(built.size(), fresh.size());
  EXPECT_TRUE(built == fresh);
}

}  // namespace
}  // namespace frost::musicgen::testing
