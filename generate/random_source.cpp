#include "random_source.h"

#include <chrono>
#include <random>

namespace sumwick {
namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

__extension__ using Uint128 = unsigned __int128;

}  // namespace

RandomSource::RandomSource(std::uint64_t seed) {
  for (auto& word : state_) word = SplitMix64(seed);
}

std::uint64_t RandomSource::FreshSeed() {
  std::random_device device;
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  std::uint64_t mixed = (std::uint64_t{device()} << 32) ^ device() ^ ticks;
  // Keep seeds below 2^53 so that they survive a round trip through JSON readers that use doubles.
  return SplitMix64(mixed) >> 11;
}

std::uint64_t RandomSource::Next() {
  const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const std::uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

int RandomSource::RandomInRange(int lo, int hi) {
  if (hi <= lo) return lo;
  // Lemire's multiply-and-reject: uniform over the span without a division in the common case.
  const std::uint64_t span = static_cast<std::uint64_t>(std::int64_t{hi} - lo) + 1;
  Uint128 product = static_cast<Uint128>(Next()) * span;
  auto low = static_cast<std::uint64_t>(product);
  if (low < span) {
    const std::uint64_t threshold = (0 - span) % span;
    while (low < threshold) {
      product = static_cast<Uint128>(Next()) * span;
      low = static_cast<std::uint64_t>(product);
    }
  }
  return static_cast<int>(std::int64_t{lo} + static_cast<std::int64_t>(product >> 64));
}

void RandomSource::DrawDistinct(int count, int lo, int hi, int* out) {
  for (int placed = 0; placed < count; ++placed) {
    int q = RandomInRange(lo, hi);
    for (int k = 0; k < placed; ++k) {
      if (out[k] == q) {
        q = RandomInRange(lo, hi);
        k = -1;  // compare the new draw from the first element again
      }
    }
    out[placed] = q;
  }
}

std::vector<int> RandomSource::DrawDistinct(int count, int lo, int hi) {
  std::vector<int> numbers(static_cast<size_t>(count > 0 ? count : 0));
  DrawDistinct(count, lo, hi, numbers.data());
  return numbers;
}

}  // namespace sumwick
