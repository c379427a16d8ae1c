// One seedable random generator for the whole game, so that a seed replays a race exactly.
#pragma once

#include <cstdint>

// A small, fast generator (xoshiro128**) whose sequence is the same on every machine.
class RandomGenerator {
 public:
  explicit RandomGenerator(uint64_t seed = 1) { Seed(seed); }
  void Seed(uint64_t seed);
  uint32_t Next();
  // Uniform in [0, bound) without modulo bias; bound > 0.
  uint32_t Below(uint32_t bound);
  // Uniform in [0, 1).
  double Unit();

 private:
  uint32_t state_[4] = {0, 0, 0, 0};
};

void SeedRnd(uint64_t seed);
// A uniformly chosen integer from the smaller to the larger of a and b, both included.
int Rand(int a, int b);
// A uniformly chosen float between a and b.
float Rnd(float a, float b);
