#include "shell/random.h"

#include <algorithm>

namespace {

uint32_t RotateLeft(uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

// splitmix64 spreads one seed over the four state words.
uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

RandomGenerator& GameRandom() {
  static RandomGenerator generator;
  return generator;
}

}  // namespace

void RandomGenerator::Seed(uint64_t seed) {
  uint64_t x = seed;
  const uint64_t a = SplitMix(x), b = SplitMix(x);
  state_[0] = static_cast<uint32_t>(a);
  state_[1] = static_cast<uint32_t>(a >> 32);
  state_[2] = static_cast<uint32_t>(b);
  state_[3] = static_cast<uint32_t>(b >> 32);
}

uint32_t RandomGenerator::Next() {
  const uint32_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const uint32_t t = state_[1] << 9;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 11);
  return result;
}

uint32_t RandomGenerator::Below(uint32_t bound) {
  // Lemire's multiply-and-reject: exact and the same everywhere.
  uint64_t m = static_cast<uint64_t>(Next()) * bound;
  uint32_t low = static_cast<uint32_t>(m);
  if (low < bound) {
    const uint32_t threshold = static_cast<uint32_t>(-bound) % bound;
    while (low < threshold) {
      m = static_cast<uint64_t>(Next()) * bound;
      low = static_cast<uint32_t>(m);
    }
  }
  return static_cast<uint32_t>(m >> 32);
}

double RandomGenerator::Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }

void SeedRnd(uint64_t seed) { GameRandom().Seed(seed); }

int Rand(int a, int b) {
  const int64_t lo = std::min(a, b), hi = std::max(a, b);
  const uint64_t span = static_cast<uint64_t>(hi - lo) + 1;
  if (span > 0xFFFFFFFFull) return static_cast<int>(lo + static_cast<int64_t>(GameRandom().Next()));
  return static_cast<int>(lo + GameRandom().Below(static_cast<uint32_t>(span)));
}

float Rnd(float a, float b) { return static_cast<float>(a + (b - a) * GameRandom().Unit()); }
