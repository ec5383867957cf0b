// The drums as the globe hears them: the build's music file decoded, mixed to mono at the
// volume the saver plays it, and run through the saver's own spectrum analyser.

#include "beat_bands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "audio/fft_analyser.h"
#include "decoded_music.h"
#include "loop_timing.h"
#include "score.h"

namespace frost::musicgen::testing {
namespace {

// The saver fades the music in to 249/255 of full volume: the beats must hold at 0.95.
constexpr float kPlayerGain = 0.95f;
// How soon after a hit its beat must come: within 70 ms of the window first taking the hit in
// whole (about 90 ms after the hit), well inside what the eye takes for "on the beat". The
// kick is the slowest: its band fills as its sweep comes down.
constexpr std::int64_t kReachFrames = kSpectrumWindow + 6 * kHopFrames;
// Each drum is designed to pass its threshold by 30 %; the test allows for the encoder.
constexpr float kRequiredMargin = 1.2f;

struct Analysis {
  BandTrack track;
  std::array<std::vector<std::int64_t>, 3> beats;
  std::array<std::vector<std::int64_t>, 3> strongHits;  // frames of non-ghost hits per band
};

const Analysis* Analysed() {
  static const std::unique_ptr<const Analysis> analysis = []() -> std::unique_ptr<Analysis> {
    const DecodedMusic& music = GeneratedMusic();
    if (!music.error.empty() || music.Frames() != static_cast<std::size_t>(kLoopFrames)) {
      return nullptr;
    }
    auto result = std::make_unique<Analysis>(Analysis{TrackBands(music.Mono(kPlayerGain)), {}, {}});
    for (int band = 0; band < 3; ++band) {
      result->beats[static_cast<std::size_t>(band)] = BeatsIn(result->track, band);
    }
    for (const DrumHit& hit : WinterScore().drums) {
      if (hit.velocity < kGhostVelocity) continue;
      result->strongHits[static_cast<std::size_t>(BandOf(hit.drum))].push_back(
          StepToFrame(hit.step));
    }
    for (auto& hits : result->strongHits) std::sort(hits.begin(), hits.end());
    return result;
  }();
  return analysis.get();
}

// Frames from `from` forward to `to`, round the loop.
std::int64_t Ahead(std::int64_t from, std::int64_t to) {
  return ((to - from) % kLoopFrames + kLoopFrames) % kLoopFrames;
}

class BeatBands : public ::testing::Test {
 protected:
  void SetUp() override {
    analysis_ = Analysed();
    ASSERT_NE(analysis_, nullptr) << "the music file did not decode to the loop's length";
  }
  const Analysis* analysis_ = nullptr;
};

TEST_F(BeatBands, EachBandBeatsAtAMusicalRate) {
  const double minutes = LoopSeconds() / 60.0;
  for (std::size_t band = 0; band < kBeatBands.size(); ++band) {
    const double perMinute = static_cast<double>(analysis_->beats[band].size()) / minutes;
    std::printf("%-4s band: %5.1f beats a minute\n", kBeatBands[band].name, perMinute);
    // At least one every two seconds; at most what the 200 ms hold-off lets through.
    EXPECT_GE(perMinute, 30.0) << kBeatBands[band].name;
    EXPECT_LE(perMinute, 300.0) << kBeatBands[band].name;
  }
}

TEST_F(BeatBands, EveryBeatFollowsAHitOfItsOwnDrum) {
  // Pads, melody, bass, echoes and ghost notes must never beat on their own, and no drum may
  // beat in another's band.
  for (std::size_t band = 0; band < kBeatBands.size(); ++band) {
    const auto& hits = analysis_->strongHits[band];
    for (const std::int64_t beat : analysis_->beats[band]) {
      const bool explained = std::any_of(hits.begin(), hits.end(), [&](std::int64_t hit) {
        const std::int64_t after = Ahead(hit, beat);
        return after > 0 && after <= kReachFrames;
      });
      EXPECT_TRUE(explained) << kBeatBands[band].name << " beat at " << beat / kSampleRate
                             << " s (frame " << beat << ") follows no hit of its drum";
    }
  }
}

TEST_F(BeatBands, EveryHitCrossesItsThresholdWithMargin) {
  const BandTrack& track = analysis_->track;
  for (std::size_t band = 0; band < kBeatBands.size(); ++band) {
    float weakest = 1e9f;
    for (const std::int64_t hit : analysis_->strongHits[band]) {
      float loudest = 0.0f;
      for (std::size_t i = 0; i < track.windowEnds.size(); ++i) {
        const std::int64_t after = Ahead(hit, track.windowEnds[i]);
        if (after > 0 && after <= kReachFrames) loudest = std::max(loudest, track.sums[band][i]);
      }
      const float margin = loudest / kBeatBands[band].threshold;
      weakest = std::min(weakest, margin);
      EXPECT_GE(margin, kRequiredMargin)
          << kBeatBands[band].name << " hit at frame " << hit << " reaches only " << loudest;
    }
    std::printf("%-4s band: %zu hits, the weakest %.2f times the threshold\n",
                kBeatBands[band].name, analysis_->strongHits[band].size(),
                static_cast<double>(weakest));
  }
}

TEST_F(BeatBands, BandsFallQuietBetweenHits) {
  const BandTrack& track = analysis_->track;
  for (std::size_t band = 0; band < kBeatBands.size(); ++band) {
    const std::vector<float>& sums = track.sums[band];
    const float threshold = kBeatBands[band].threshold;
    const auto quiet =
        std::count_if(sums.begin(), sums.end(), [&](float s) { return s <= threshold; });
    const double quietShare = static_cast<double>(quiet) / static_cast<double>(sums.size());
    std::printf("%-4s band: under its threshold %.1f %% of the time\n", kBeatBands[band].name,
                100.0 * quietShare);
    EXPECT_GE(quietShare, 0.75) << kBeatBands[band].name;

    // Between one hit and the next the band drops below its threshold at least once, so every
    // hit is a beat of its own rather than the band staying lit.
    const auto& hits = analysis_->strongHits[band];
    for (std::size_t h = 0; h < hits.size(); ++h) {
      const std::int64_t from = hits[h];
      const std::int64_t gap = Ahead(from, hits[(h + 1) % hits.size()]);
      bool dropped = false;
      for (std::size_t i = 0; i < sums.size() && !dropped; ++i) {
        const std::int64_t after = Ahead(from, track.windowEnds[i]);
        dropped = after > kSpectrumWindow && after <= gap && sums[i] <= threshold;
      }
      EXPECT_TRUE(dropped) << kBeatBands[band].name << " band stays lit after the hit at frame "
                           << from;
    }
  }
}

}  // namespace
}  // namespace frost::musicgen::testing
