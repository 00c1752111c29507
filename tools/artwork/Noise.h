#pragma once
// Smooth 3-D gradient noise and its fractal sum, the texture of the splash smoke. The third
// coordinate is time, so the smoke's billows evolve smoothly from one frame to the next.
// Values lie roughly in [-1, 1]; nothing here can fail.

#include <cstdint>

namespace artwork {

class GradientNoise {
 public:
  explicit GradientNoise(std::uint32_t seed) : seed_(seed) {}

  double At(double x, double y, double z) const;
  // Sum of octaves, each twice the frequency and half the amplitude of the one before,
  // normalised so that the result stays in about [-1, 1].
  double Fractal(double x, double y, double z, int octaves) const;

 private:
  double Corner(int ix, int iy, int iz, double fx, double fy, double fz) const;

  std::uint32_t seed_;
};

}  // namespace artwork
