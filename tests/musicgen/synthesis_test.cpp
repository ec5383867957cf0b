// The generator's parts on small signals: the wrap-around that makes the loop seamless, the
// effects and the limiter round the loop's end, and the rules the score keeps for the beats.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "effects.h"
#include "limiter.h"
#include "loop_timing.h"
#include "score.h"
#include "stereo_loop.h"

namespace frost::musicgen {
namespace {

TEST(StereoLoopWrap, SoundsRunningPastEitherEndComeBackInAtTheOther) {
  StereoLoop loop(10);
  loop.AddMono(8, {1.0f, 2.0f, 3.0f, 4.0f}, 1.0f, 0.5f);
  EXPECT_EQ(loop.Left(8), 1.0f);
  EXPECT_EQ(loop.Left(9), 2.0f);
  EXPECT_EQ(loop.Left(0), 3.0f);
  EXPECT_EQ(loop.Right(1), 2.0f);

  // A start before zero (a pick-up into the first bar) lands at the end.
  loop.AddStereo(-1, {10.0f, 20.0f}, {30.0f, 40.0f}, 1.0f);
  EXPECT_EQ(loop.Left(9), 12.0f);
  EXPECT_EQ(loop.Right(9), 1.0f + 30.0f);
  EXPECT_EQ(loop.Left(0), 23.0f);
  // Longer than the loop: goes round more than once.
  StereoLoop small(3);
  small.AddMono(0, std::vector<float>(7, 1.0f), 1.0f, 1.0f);
  EXPECT_EQ(small.Left(0), 3.0f);
  EXPECT_EQ(small.Left(1), 2.0f);
  EXPECT_EQ(small.Left(2), 2.0f);
}

TEST(EffectsRoundTheLoop, AnEchoOfTheLastNoteIsHeardAtTheStart) {
  constexpr std::int64_t kFrames = 1000;
  StereoLoop dry(kFrames);
  dry.AddMono(900, {1.0f}, 1.0f, 1.0f);
  StereoLoop wet(kFrames);
  PingPongEcho echo(300, 0.5, 20000.0);
  ApplyAcrossLoop(echo, dry, wet, 1.0);

  // First repeat 300 frames on, past the end: at 200, on the left; the next crosses right.
  EXPECT_NEAR(wet.Left(200), 1.0f, 1e-6f);
  EXPECT_EQ(wet.Right(200), 0.0f);
  EXPECT_GT(wet.Right(500), 0.3f);
  EXPECT_EQ(wet.Left(899), 0.0f);
  // Nothing else sounds before the first repeat's place but the repeats of the previous lap.
  EXPECT_EQ(wet.Left(100), 0.0f);
}

TEST(EffectsRoundTheLoop, TheHallIsPeriodicAfterOneLap) {
  // Its tail from the end of the loop rings on into the beginning: the output just after the
  // start equals what the same input gives when it keeps playing. (The loop must outlast the
  // hall's decay, as the music's 68 s do by far.)
  constexpr std::int64_t kFrames = 10 * kSampleRate;
  StereoLoop dry(kFrames);
  dry.AddMono(kFrames - 1000, std::vector<float>(200, 0.5f), 1.0f, 1.0f);
  StereoLoop wet(kFrames);
  Hall hall;
  ApplyAcrossLoop(hall, dry, wet, 1.0);

  Hall reference;
  std::vector<double> thirdLap;
  for (int lap = 0; lap < 3; ++lap) {
    for (std::int64_t i = 0; i < kFrames; ++i) {
      double left = 0.0;
      double right = 0.0;
      reference.Process(dry.Left(i), dry.Right(i), left, right);
      if (lap == 2) thirdLap.push_back(left);
    }
  }
  double tailAtStart = 0.0;
  for (std::int64_t i = 0; i < kSampleRate; ++i) {
    tailAtStart = std::max(tailAtStart, std::fabs(static_cast<double>(wet.Left(i))));
    ASSERT_NEAR(wet.Left(i), thirdLap[static_cast<std::size_t>(i)], 1e-6) << "frame " << i;
  }
  EXPECT_GT(tailAtStart, 1e-3);
}

float Sine(std::int64_t i) {
  return static_cast<float>(0.5 * std::sin(0.01 * static_cast<double>(i)));
}

TEST(PeakLimiter, HoldsTheCeilingAndRampsRoundTheLoopsEnd) {
  constexpr std::int64_t kFrames = 2 * kSampleRate;
  StereoLoop loop(kFrames);
  for (std::int64_t i = 0; i < kFrames; ++i) {
    loop.LeftChannel()[static_cast<std::size_t>(i)] = Sine(i);
    loop.RightChannel()[static_cast<std::size_t>(i)] = Sine(i);
  }
  loop.LeftChannel()[0] = 1.2f;  // a peak on the very first frame
  const LimiterReport report = LimitPeaks(loop, 0.8f);

  EXPECT_LE(loop.Peak(), 0.8f + 1e-6f);
  EXPECT_NEAR(report.deepestDb, 20.0 * std::log10(0.8 / 1.2), 1e-3);
  // The gain starts down before the peak, which means at the end of the loop...
  EXPECT_LT(std::fabs(loop.Left(kFrames - 1)), std::fabs(Sine(kFrames - 1)));
  // ...and comes back after it, both sides together, and all the way to 1 in the end.
  EXPECT_LT(loop.Right(100), Sine(100));
  EXPECT_EQ(loop.Right(kFrames / 2), Sine(kFrames / 2));
}

TEST(PeakLimiter, LeavesAQuietLoopUntouched) {
  StereoLoop loop(1000);
  loop.AddMono(10, std::vector<float>(500, 0.79f), 1.0f, -1.0f);
  const StereoLoop before = loop;
  const LimiterReport report = LimitPeaks(loop, 0.8f);
  EXPECT_EQ(report.framesReduced, 0);
  EXPECT_TRUE(loop.LeftChannel() == before.LeftChannel());
  EXPECT_TRUE(loop.RightChannel() == before.RightChannel());
}

TEST(WinterScore, EveryEventLiesOnTheLoopAndClearOfTheBeatBands) {
  const Score score = WinterScore();
  for (const DrumHit& hit : score.drums) {
    EXPECT_GE(hit.step, 0);
    EXPECT_LT(hit.step, kLoopSteps);
    EXPECT_GT(hit.velocity, 0.0f);
    EXPECT_LE(hit.velocity, 1.0f);
  }
  for (const std::vector<Note>* part :
       {&score.pads, &score.bass, &score.melody, &score.sparkles, &score.plucks}) {
    EXPECT_FALSE(part->empty());
    for (const Note& note : *part) {
      EXPECT_GE(note.step, 0);
      EXPECT_LT(note.step, kLoopSteps);
      EXPECT_GT(note.lengthSteps, 0);
      // Nothing below D2 (73 Hz), where only the kick belongs; nothing above G6, so even the
      // celesta's highest strike partial (5.4 times) stays under the hi-hat's band.
      EXPECT_GE(note.midi, 38);
      EXPECT_LE(note.midi, 91);
    }
  }
}

}  // namespace
}  // namespace frost::musicgen
