// How the scene moves with time, music and the mouse: the beats it hears, where the globe is
// pushed, how the lens flare swells and fades.
#include <gtest/gtest.h>

#include "scene/beat_detector.h"
#include "scene/globe_offset.h"
#include "scene/globe_scene.h"
#include "support/fake_platform.h"

namespace frost {
namespace {

using testing::ScopedFakePlatform;

TEST(BeatDetector, BandsNeedTheirThresholdAndAHoldOff) {
  ScopedFakePlatform os;
  os->frequency = 1000;
  BeatDetector beats;
  std::vector<float> spectrum(512, 0.0f);
  os->counter = 1000;
  spectrum[0] = spectrum[1] = spectrum[2] = 0.25f;  // sum exactly 0.75: no beat
  beats.Detect(spectrum.data());
  EXPECT_NEAR(beats.lowBeat.SinceMark(), 1000.0, 1e-3);
  spectrum[2] = 0.3f;
  beats.Detect(spectrum.data());
  EXPECT_NEAR(beats.lowBeat.SinceMark(), 0.0, 1e-3);
  os->counter += 150;  // a second loud frame inside the hold-off
  beats.Detect(spectrum.data());
  EXPECT_NEAR(beats.lowBeat.SinceMark(), 150.0, 1e-3);
  os->counter += 100;
  beats.Detect(spectrum.data());
  EXPECT_NEAR(beats.lowBeat.SinceMark(), 0.0, 1e-3);
  // The other bands saw nothing; a null spectrum marks nothing either.
  EXPECT_NEAR(beats.highBeat.SinceMark(), 1250.0, 1e-3);
  os->counter += 300;
  beats.Detect(nullptr);
  EXPECT_NEAR(beats.lowBeat.SinceMark(), 300.0, 1e-3);

  for (int bin = 100; bin < 120; ++bin) spectrum[bin] = 0.03f;  // 0.6 > 0.5
  beats.Detect(spectrum.data());
  EXPECT_NEAR(beats.midBeat.SinceMark(), 0.0, 1e-3);
}

TEST(BeatDetector, PulsePeaksFiftyMillisecondsAfterABeat) {
  EXPECT_FLOAT_EQ(BeatDetector::PulseAt(0.0), 0.0f);
  EXPECT_NEAR(BeatDetector::PulseAt(50.0), 367.88f, 0.01f);
  EXPECT_NEAR(BeatDetector::PulseAt(200.0), 73.26f, 0.01f);
  EXPECT_LT(BeatDetector::PulseAt(1000.0), 1e-3f);
}

TEST(GlobeOffset, CursorAloneWhenNotDancing) {
  const Float4 still = GlobeOffset(3.0f, false, 0, 0, 300.0f, 300.0f, 300.0f);
  EXPECT_EQ(still.x, 0.0f);
  EXPECT_EQ(still.y, 0.0f);
  EXPECT_EQ(still.z, 0.0f);
  EXPECT_EQ(still.w, 1.0f);
  const Float4 nudged = GlobeOffset(3.0f, false, 100, -40, 300.0f, 300.0f, 300.0f);
  EXPECT_FLOAT_EQ(nudged.x, 0.05f);
  EXPECT_FLOAT_EQ(nudged.z, -0.02f);
  EXPECT_FLOAT_EQ(nudged.y, 0.015f);
  const Float4 dancing = GlobeOffset(3.0f, true, 0, 0, 367.88f, 0.0f, 0.0f);
  EXPECT_NEAR(dancing.z, std::sin(3.0f) * 367.88f * 0.0005f, 1e-6f);
  EXPECT_EQ(dancing.x, 0.0f);
}

}  // namespace
}  // namespace frost

namespace frost {
namespace {

TEST(LensFlare, IntensityRisesWithFrameTimeCapsAndFalls) {
  float intensity = 0.0f;
  // 10 ms of composition per frame: full intensity after 40 bright frames.
  for (int frame = 1; frame <= 39; ++frame) {
    EXPECT_TRUE(UpdateFlareIntensity(intensity, true, 10.0f));
    EXPECT_LT(intensity, 1.0f) << frame;
  }
  EXPECT_TRUE(UpdateFlareIntensity(intensity, true, 10.0f));
  EXPECT_NEAR(intensity, 1.0f, 1e-5f);  // forty steps of 0.025 in floats
  EXPECT_TRUE(UpdateFlareIntensity(intensity, true, 500.0f));
  EXPECT_FLOAT_EQ(intensity, 1.0f);  // capped
  EXPECT_TRUE(UpdateFlareIntensity(intensity, false, 100.0f));
  EXPECT_FLOAT_EQ(intensity, 0.75f);
  // Falling below zero ends the step at once: nothing drawn.
  EXPECT_FALSE(UpdateFlareIntensity(intensity, false, 1000.0f));
  EXPECT_EQ(intensity, 0.0f);
  // A frame that took no time leaves a dark flare dark.
  EXPECT_FALSE(UpdateFlareIntensity(intensity, false, 0.0f));
  EXPECT_FALSE(UpdateFlareIntensity(intensity, true, 0.0f));
}

}  // namespace
}  // namespace frost
