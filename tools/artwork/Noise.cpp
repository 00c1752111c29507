#include "tools/artwork/Noise.h"

#include <cmath>

#include "tools/artwork/Random.h"

namespace artwork {
namespace {

// Quintic fade: continuous second derivative, so no creases show at lattice lines.
double Fade(double t) {
  return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

double Lerp(double a, double b, double t) {
  return a + (b - a) * t;
}

}  // namespace

double GradientNoise::Corner(int ix, int iy, int iz, double fx, double fy, double fz) const {
  // One of the twelve cube-edge directions, chosen by the corner's hash.
  switch (HashLattice(ix, iy, iz, seed_) % 12) {
    case 0:
      return fx + fy;
    case 1:
      return -fx + fy;
    case 2:
      return fx - fy;
    case 3:
      return -fx - fy;
    case 4:
      return fx + fz;
    case 5:
      return -fx + fz;
    case 6:
      return fx - fz;
    case 7:
      return -fx - fz;
    case 8:
      return fy + fz;
    case 9:
      return -fy + fz;
    case 10:
      return fy - fz;
    default:
      return -fy - fz;
  }
}

double GradientNoise::At(double x, double y, double z) const {
  double flx = std::floor(x), fly = std::floor(y), flz = std::floor(z);
  int ix = int(flx), iy = int(fly), iz = int(flz);
  double fx = x - flx, fy = y - fly, fz = z - flz;
  double u = Fade(fx), v = Fade(fy), w = Fade(fz);
  double x00 = Lerp(Corner(ix, iy, iz, fx, fy, fz), Corner(ix + 1, iy, iz, fx - 1, fy, fz), u);
  double x10 = Lerp(Corner(ix, iy + 1, iz, fx, fy - 1, fz),
                    Corner(ix + 1, iy + 1, iz, fx - 1, fy - 1, fz), u);
  double x01 = Lerp(Corner(ix, iy, iz + 1, fx, fy, fz - 1),
                    Corner(ix + 1, iy, iz + 1, fx - 1, fy, fz - 1), u);
  double x11 = Lerp(Corner(ix, iy + 1, iz + 1, fx, fy - 1, fz - 1),
                    Corner(ix + 1, iy + 1, iz + 1, fx - 1, fy - 1, fz - 1), u);
  return Lerp(Lerp(x00, x10, v), Lerp(x01, x11, v), w);
}

double GradientNoise::Fractal(double x, double y, double z, int octaves) const {
  double sum = 0.0, amplitude = 1.0, norm = 0.0;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * At(x, y, z);
    norm += amplitude;
    amplitude *= 0.5;
    x = x * 2.03 + 17.1;  // off-lattice scaling keeps the octaves from lining up
    y = y * 2.03 + 5.3;
    z = z * 1.7;
  }
  return sum / norm * 1.4;
}

}  // namespace artwork
