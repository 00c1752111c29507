#pragma once
// Deterministic random numbers for the artwork: SplitMix64 and integer hashes whose results are
// the same on every machine and library, so a regenerated frame is the frame that was committed.
// Nothing here can fail.

#include <cmath>
#include <cstdint>
#include <numbers>

namespace artwork {

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
  int Below(int n) { return int(Next() % std::uint64_t(n)); }
  // Standard normal (Box-Muller; the second value is dropped to keep the state simple).
  double Gaussian() {
    double u = 1.0 - Uniform();
    double v = Uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
  }

 private:
  std::uint64_t state_;
};

// A well-mixed 32-bit hash of a lattice point, the source of the noise gradients.
inline std::uint32_t HashLattice(int x, int y, int z, std::uint32_t seed) {
  std::uint32_t h = seed;
  h ^= std::uint32_t(x) * 0x8DA6B343u;
  h ^= std::uint32_t(y) * 0xD8163841u;
  h ^= std::uint32_t(z) * 0xCB1AB31Fu;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

}  // namespace artwork
