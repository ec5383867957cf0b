#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "scene/scene_random.h"
#include "scene/snow_system.h"

namespace frost {
namespace {

TEST(SceneRandom, IsTheUnseededLinearCongruentialSequence) {
  SceneRandom random;
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
  for (int value : expected) EXPECT_EQ(random.Next(), value);
}

std::unique_ptr<SnowSystem> FreshSnow() {
  return std::make_unique<SnowSystem>();
}

const Float4 kCentre{0, 0, 0, 1};

// One flake's start, worked out here from the raw sequence.
struct ExpectedFlake {
  float px, py, pz, mass, vx, vy, vz, dx, dy, dz, gain;
};

ExpectedFlake DrawFlake(SceneRandom& random) {
  int r[11];
  for (int& value : r) value = random.Next();
  auto coordinate = [](int v) { return static_cast<float>(v % 1000 * 0.004 - 2.0); };
  auto speed = [](int v) { return static_cast<float>(v % 1000 * 0.002 - 1.0) * 100.0f; };
  return {coordinate(r[2]),
          coordinate(r[1]),
          coordinate(r[0]),
          static_cast<float>(r[3] % 10000 * 0.001 + 0.1),
          speed(r[6]),
          speed(r[5]),
          speed(r[4]),
          coordinate(r[9]),
          coordinate(r[8]),
          coordinate(r[7]),
          static_cast<float>(r[10] % 10000 * 0.0002 - 0.1)};
}

// The first step draws eleven numbers per flake, in order, and nothing else.
TEST(SnowSystem, StartsEveryFlakeFromItsElevenDraws) {
  auto snow = FreshSnow();
  SceneRandom random;
  snow->Step(0.0f, {0, 0, 0, 1}, kCentre, random);
  SceneRandom reference;
  for (std::size_t i = 0; i < 20; ++i) {
    const ExpectedFlake e = DrawFlake(reference);
    const SnowFlake flake = snow->Flake(i);
    EXPECT_FLOAT_EQ(flake.mass, e.mass) << i;
    EXPECT_FLOAT_EQ(snow->Drift(i).x, e.dx) << i;
    EXPECT_FLOAT_EQ(snow->Drift(i).z, e.dz) << i;
    EXPECT_FLOAT_EQ(snow->Gain(i), e.gain) << i;
    const float distance = std::sqrt(e.px * e.px + e.py * e.py + e.pz * e.pz);
    if (distance > 2.0f) continue;  // the next test covers flakes outside the glass
    EXPECT_FLOAT_EQ(flake.position.x, e.px) << i;
    EXPECT_FLOAT_EQ(flake.position.y, e.py) << i;
    EXPECT_FLOAT_EQ(flake.position.z, e.pz) << i;
    // dt = 0: no integration; only the speed limits act on the start velocity.
    float vx = e.vx;
    float speed = std::sqrt(e.vx * e.vx + e.vy * e.vy + e.vz * e.vz);
    if (speed > 3.0f) {
      vx *= 0.5f;
      speed *= 0.5f;
    }
    vx *= 0.9985f;
    speed *= 0.9985f;
    if (speed > 1.0f) vx *= 0.99f;
    EXPECT_NEAR(flake.velocity.x, vx, 1e-3f) << i;
  }
  for (int i = 20 * 11; i < 8000 * 11; ++i) reference.Next();
  EXPECT_EQ(random.Seed(), reference.Seed()) << "eleven numbers a flake, and no more";
}

TEST(SnowSystem, GlassPutsAFlakeBackAndReversesItsNormalSpeedAtFivePercent) {
  auto snow = FreshSnow();
  SceneRandom random;
  snow->Step(0.0f, {0, 0, 0, 1}, kCentre, random);
  SceneRandom reference;
  bool checked = false;
  for (std::size_t i = 0; i < 100 && !checked; ++i) {
    const ExpectedFlake e = DrawFlake(reference);
    const float length = std::sqrt(e.px * e.px + e.py * e.py + e.pz * e.pz);
    if (length <= 2.0f) continue;
    checked = true;
    const float n[3] = {e.px / length, e.py / length, e.pz / length};
    const SnowFlake flake = snow->Flake(i);
    EXPECT_NEAR(flake.position.x, n[0] * 2.0f, 1e-5f);
    EXPECT_NEAR(flake.position.y, n[1] * 2.0f, 1e-5f);
    EXPECT_NEAR(flake.position.z, n[2] * 2.0f, 1e-5f);
    // Outward speed before, inward at 5 percent after (before the speed limits scale it).
    const float outward = e.vx * n[0] + e.vy * n[1] + e.vz * n[2];
    const float tangential[3] = {e.vx - outward * n[0], e.vy - outward * n[1],
                                 e.vz - outward * n[2]};
    const float bounced[3] = {tangential[0] - outward * 0.05f * n[0],
                              tangential[1] - outward * 0.05f * n[1],
                              tangential[2] - outward * 0.05f * n[2]};
    float speed =
        std::sqrt(bounced[0] * bounced[0] + bounced[1] * bounced[1] + bounced[2] * bounced[2]);
    float scale = speed > 3.0f ? 0.5f : 1.0f;
    speed *= scale * 0.9985f;
    scale *= 0.9985f;
    if (speed > 1.0f) scale *= 0.99f;
    for (int c = 0; c < 3; ++c) {
      const float actual = c == 0 ? flake.velocity.x : c == 1 ? flake.velocity.y : flake.velocity.z;
      EXPECT_NEAR(actual, bounced[c] * scale, 1e-3f) << c;
    }
  }
  EXPECT_TRUE(checked);
}

TEST(SnowSystem, FirstStepPutsEveryFlakeOnOrInsideTheGlass) {
  auto snow = FreshSnow();
  SceneRandom random;
  const Float4 centre{0.1f, -0.05f, 0.02f, 1.0f};
  snow->Step(0.0f, {0, 0, 0, 1}, centre, random);
  int onTheGlass = 0;
  for (const SnowFlake& flake : snow->Snapshot()) {
    const float distance = (flake.position - centre).Length3();
    EXPECT_LE(distance, 2.0f + 1e-5f);
    if (distance > 2.0f - 1e-5f) ++onTheGlass;
    EXPECT_GE(flake.mass, 0.1f);
    EXPECT_LE(flake.mass, 10.1f);
  }
  // The flakes start in a cube of edge 4; the part of it outside the sphere of radius 2 is
  // about 48 percent of its volume, and all of those flakes now sit on the glass.
  EXPECT_NEAR(static_cast<double>(onTheGlass) / SnowSystem::kFlakeCount, 0.48, 0.03);
}

TEST(SnowSystem, SpeedsSettleFromTheirWildStart) {
  auto snow = FreshSnow();
  SceneRandom random;
  for (int frame = 0; frame < 300; ++frame) snow->Step(16.0f, {0, 0, 0, 1}, kCentre, random);
  for (const SnowFlake& flake : snow->Snapshot()) {
    // Each step halves any speed above 3, so 300 steps leave none anywhere near 100.
    EXPECT_LT(flake.velocity.Length3(), 3.0f);
    EXPECT_LE((flake.position - kCentre).Length3(), 2.0f + 0.05f);
  }
}

TEST(SnowSystem, SameFrameTimesGiveTheSameSnow) {
  auto a = FreshSnow();
  auto b = FreshSnow();
  SceneRandom ra;
  SceneRandom rb;
  const float times[] = {0.3f, 16.6f, 17.1f, 45.0f, 8.0f};
  const Float4 offsets[] = {{0, 0, 0, 1},
                            {0.01f, 0, 0.02f, 1},
                            {0.05f, 0.01f, 0, 1},
                            {0, 0, 0, 1},
                            {-0.1f, 0.1f, 0.1f, 1}};
  for (int i = 0; i < 5; ++i) {
    const Float4 force = SnowSystem::ForceFromOffset(offsets[i], times[i]);
    a->Step(times[i], force, offsets[i], ra);
    b->Step(times[i], force, offsets[i], rb);
  }
  for (std::size_t i = 0; i < SnowSystem::kFlakeCount; ++i) {
    EXPECT_EQ(a->Flake(i).position.x, b->Flake(i).position.x);
    EXPECT_EQ(a->Flake(i).velocity.z, b->Flake(i).velocity.z);
  }
}

TEST(SnowSystem, ZeroFrameTimeMovesNothingInsideTheGlass) {
  auto snow = FreshSnow();
  SceneRandom random;
  snow->Step(10.0f, {0, 0, 0, 1}, kCentre, random);
  const auto before = snow->Snapshot();
  snow->Step(0.0f, {0.3f, 0.2f, 0.1f, 1}, kCentre, random);
  for (std::size_t i = 0; i < SnowSystem::kFlakeCount; ++i) {
    const SnowFlake flake = snow->Flake(i);
    if ((before[i].position - kCentre).Length3() < 2.0f) {
      EXPECT_EQ(flake.position.x, before[i].position.x);
      EXPECT_EQ(flake.position.y, before[i].position.y);
      EXPECT_EQ(flake.position.z, before[i].position.z);
    }
  }
}

TEST(SnowSystem, AMovingGlobeKicksTheFlakesAStillOneDoesNot) {
  auto still = FreshSnow();
  auto moved = FreshSnow();
  SceneRandom r1;
  SceneRandom r2;
  still->Step(16.0f, {0, 0, 0, 1}, kCentre, r1);
  moved->Step(16.0f, {0, 0, 0, 1}, kCentre, r2);
  for (int i = 0; i < 200; ++i) {
    still->Step(16.0f, {0, 0, 0, 1}, kCentre, r1);
    moved->Step(16.0f, {0, 0, 0, 1}, kCentre, r2);
  }
  // One frame in which the globe jumps sideways.
  still->Step(16.0f, {0, 0, 0, 1}, kCentre, r1);
  moved->Step(16.0f, {0.05f, 0, 0, 1}, kCentre, r2);
  double stillSpeed = 0.0;
  double movedSpeed = 0.0;
  for (std::size_t i = 0; i < SnowSystem::kFlakeCount; ++i) {
    stillSpeed += std::abs(still->Flake(i).velocity.x);
    movedSpeed += std::abs(moved->Flake(i).velocity.x);
  }
  EXPECT_GT(movedSpeed, stillSpeed * 1.5);
}

TEST(SnowSystem, LongFramesKickLess) {
  const Float4 offset{0.3f, -0.6f, 0.9f, 1.0f};
  const Float4 normal = SnowSystem::ForceFromOffset(offset, 40.0f);
  EXPECT_FLOAT_EQ(normal.x, 0.3f * 0.333f);
  const Float4 slow = SnowSystem::ForceFromOffset(offset, 80.0f);
  EXPECT_FLOAT_EQ(slow.y, -0.6f * 0.333f / 8.0f);
  EXPECT_FLOAT_EQ(slow.w, 0.333f / 8.0f);
}

}  // namespace
}  // namespace frost
