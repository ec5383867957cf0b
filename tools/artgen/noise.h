#pragma once

#include <cstdint>

namespace frost::artgen {

// Gradient (Perlin-style) noise, about -1 to 1, zero at every lattice point. The seed selects
// an independent field, so each texture owns its noise and changing one never moves another.
class Noise3 {
 public:
  explicit Noise3(std::uint32_t seed) : seed_(seed) {}

  double At(double x, double y, double z) const;
  // Fractal sum of `octaves` layers, each twice the frequency and `gain` times the amplitude
  // of the one before; scaled so the result stays about -1 to 1.
  double Fractal(double x, double y, double z, int octaves, double gain = 0.5) const;

 private:
  std::uint32_t seed_;
};

// Two-dimensional gradient noise on a lattice that wraps every `period` cells, so a texture
// built from it tiles without a seam.
class TileNoise {
 public:
  explicit TileNoise(std::uint32_t seed) : seed_(seed) {}

  double At(double x, double y, int periodX, int periodY) const;
  // Fractal noise over the unit square (u, v in 0..1 tile once); the first octave has
  // `cells` lattice cells across. Scaled to about -1 to 1.
  double Fractal(double u, double v, int cells, int octaves, double gain = 0.5) const;
  // The same over a rectangle of lattice cells, for patterns stretched along one axis.
  double Fractal(double u, double v, int cellsX, int cellsY, int octaves, double gain) const;

 private:
  std::uint32_t seed_;
};

}  // namespace frost::artgen
