#pragma once

#include <cmath>
#include <cstdint>

namespace kestro::bench {

// A small generator with a fixed algorithm (SplitMix64), so that a seed gives the same data set
// with every compiler and standard library; the standard distributions do not promise that.
class DatasetRandom {
 public:
  explicit DatasetRandom(std::uint64_t seed) noexcept : state_(seed) {}

  std::uint64_t Next() noexcept {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // In [0, 1).
  double Uniform() noexcept { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  double Uniform(double low, double high) noexcept { return low + (high - low) * Uniform(); }

  // In [0, count); count must be positive.
  int Below(int count) noexcept {
    return static_cast<int>(Next() % static_cast<std::uint64_t>(count));
  }
  // In [low, high].
  int Between(int low, int high) noexcept { return low + Below(high - low + 1); }

  bool Chance(double probability) noexcept { return Uniform() < probability; }

  // Standard normal deviate (Box-Muller; the second value is dropped to keep the state simple).
  double Gaussian() noexcept {
    const double u1 = 1.0 - Uniform();  // (0, 1], so the logarithm is finite
    const double u2 = Uniform();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
  }

  // One element of a non-empty array or vector.
  template <typename Container>
  const auto& Pick(const Container& items) noexcept {
    return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
  }

 private:
  std::uint64_t state_;
};

}  // namespace kestro::bench
