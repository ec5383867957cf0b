#pragma once

#include <cstdint>

namespace frost::artgen {

// Integer hash with good avalanche (Chris Wellons' lowbias32). Every random choice the
// generator makes goes through it, so the output depends on nothing but the seeds in the code.
constexpr std::uint32_t Hash32(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

constexpr std::uint32_t HashLattice(std::uint32_t seed, int i, int j, int k = 0) {
  std::uint32_t h = Hash32(seed ^ 0x9e3779b9U);
  h = Hash32(h ^ static_cast<std::uint32_t>(i));
  h = Hash32(h ^ static_cast<std::uint32_t>(j) * 0x85ebca6bU);
  return Hash32(h ^ static_cast<std::uint32_t>(k) * 0xc2b2ae35U);
}

constexpr double HashUnit(std::uint32_t h) {
  return static_cast<double>(h) / 4294967296.0;
}

// A small sequential generator (SplitMix64) for the procedures that draw many numbers in turn,
// such as growing frost branches.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_;
};

}  // namespace frost::artgen
