#pragma once

#include <cstdint>
#include <vector>

namespace sumwick {

// The one random number generator of a generation run (xoshiro256**, seeded through splitmix64).
// The same seed gives the same numbers on every machine.
class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed);

  // A seed that differs from run to run, for callers that do not choose one.
  static std::uint64_t FreshSeed();

  std::uint64_t Next();

  // A number drawn uniformly from [lo, hi], both ends included, without modulo bias.
  // Requires lo <= hi.
  int RandomInRange(int lo, int hi);

  // `count` pairwise different numbers from [lo, hi], in draw order: each draw that repeats an
  // earlier number is thrown away and drawn again. Requires at least `count` values in the range.
  std::vector<int> DrawDistinct(int count, int lo, int hi);
  // The same into a caller's buffer of at least `count` elements, for the generator's inner loop.
  void DrawDistinct(int count, int lo, int hi, int* out);

 private:
  std::uint64_t state_[4];
};

}  // namespace sumwick
