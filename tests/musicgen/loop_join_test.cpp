// The loop point heard the way the saver plays it: the decoded file's last sample followed by
// its first. A loop that is not exactly periodic, or a file whose two ends were coded apart
// (each with its own coding error), shows up as a step in the waveform and as a click across
// the spectrum.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "audio/fft_analyser.h"
#include "beat_bands.h"
#include "decoded_music.h"
#include "loop_timing.h"

namespace frost::musicgen::testing {
namespace {

double StepPercentile(const std::vector<float>& channel, double fraction) {
  std::vector<float> steps(channel.size() - 1);
  for (std::size_t i = 0; i + 1 < channel.size(); ++i) {
    steps[i] = std::fabs(channel[i + 1] - channel[i]);
  }
  const auto at = static_cast<std::ptrdiff_t>(fraction * static_cast<double>(steps.size()));
  std::nth_element(steps.begin(), steps.begin() + at, steps.end());
  return steps[static_cast<std::size_t>(at)];
}

// The floor of the window from `start` above the encoder's low-pass (about 18.5 kHz at this
// bit rate): the median magnitude from 19 to 22 kHz. The music leaves next to nothing there,
// while a click, being broadband, leaves as much there as anywhere.
double TopBandFloor(const std::vector<float>& mono, std::int64_t start) {
  std::vector<float> bins = SpectrumFrom(mono, start);
  std::vector<float> band(bins.begin() + 440, bins.end());
  const auto middle = static_cast<std::ptrdiff_t>(band.size() / 2);
  std::nth_element(band.begin(), band.begin() + middle, band.end());
  return band[static_cast<std::size_t>(middle)];
}

// The floor of the window centred on `centre` over the highest floor among the windows
// centred half a window to two windows either side.
double BurstAt(const std::vector<float>& mono, std::int64_t centre) {
  constexpr std::int64_t kHalf = kSpectrumWindow / 2;
  double neighbours = 0.0;
  for (std::int64_t shift = -4 * kHalf; shift <= 4 * kHalf; shift += kHalf) {
    if (shift != 0) neighbours = std::max(neighbours, TopBandFloor(mono, centre - kHalf + shift));
  }
  return TopBandFloor(mono, centre - kHalf) / neighbours;
}

class LoopJoin : public ::testing::Test {
 protected:
  void SetUp() override {
    music_ = &GeneratedMusic();
    ASSERT_EQ(music_->error, "");
    ASSERT_EQ(music_->Frames(), static_cast<std::size_t>(kLoopFrames));
  }
  const DecodedMusic* music_ = nullptr;
};

TEST_F(LoopJoin, LastSampleStepsIntoTheFirstLikeAnyOtherStep) {
  for (const std::vector<float>* channel : {&music_->left, &music_->right}) {
    const double jump = std::fabs(channel->front() - channel->back());
    const double typical = StepPercentile(*channel, 0.999);
    std::printf("join step %.5f; 99.9th percentile of all steps %.5f\n", jump, typical);
    EXPECT_LE(jump, typical);
  }
}

TEST_F(LoopJoin, NoBroadbandBurstAtTheJoin) {
  // The window spanning the join must stand out from its neighbours no more than 999 in 1000
  // moments of the music do.
  const std::vector<float> mono = music_->Mono(1.0f);
  std::vector<double> ordinary;
  for (std::int64_t centre = kHopFrames; centre < kLoopFrames; centre += kHopFrames) {
    ordinary.push_back(BurstAt(mono, centre));
  }
  const auto at = static_cast<std::ptrdiff_t>(0.999 * static_cast<double>(ordinary.size()));
  std::nth_element(ordinary.begin(), ordinary.begin() + at, ordinary.end());
  const double limit = ordinary[static_cast<std::size_t>(at)];
  const double join = BurstAt(mono, 0);
  std::printf(
      "broadband floor at the join %.2f times its neighbours' (the music's 99.9th "
      "percentile %.2f)\n",
      join, limit);
  EXPECT_LE(join, limit);

  // The measure does see a click, even one at -40 dBFS on the last sample alone.
  std::vector<float> clicked = mono;
  clicked.back() += 0.01f;
  EXPECT_GT(BurstAt(clicked, 0), 10.0 * limit);
}

TEST_F(LoopJoin, DecodesInStepWithTheSynthesis) {
  // Sample for sample: one sample off and the difference is nearly as loud as the music
  // (about 9 dB below it); in step it is the coder's noise alone. So the file holds exactly
  // one turn of the loop, starting where the loop starts.
  const StereoLoop& loop = SynthesisedLoop();
  double signal = 0.0;
  double noise = 0.0;
  for (std::int64_t i = 0; i < kLoopFrames; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const double left = loop.Left(i);
    const double right = loop.Right(i);
    signal += left * left + right * right;
    noise += (music_->left[at] - left) * (music_->left[at] - left) +
             (music_->right[at] - right) * (music_->right[at] - right);
  }
  const double snr = 10.0 * std::log10(signal / noise);
  std::printf("signal to coding noise %.1f dB\n", snr);
  EXPECT_GT(snr, 16.0);
}

}  // namespace
}  // namespace frost::musicgen::testing
