// A small seeded generator, so that every run of a generator makes the same sound.
#pragma once

#include <cstdint>

namespace synth {

class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}

  uint32_t Next() {
    // xorshift32: plenty for noise and musical choices, and identical on every machine.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  // 0 .. 1
  float Uniform() { return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f); }
  // -1 .. 1
  float Bipolar() { return Uniform() * 2.0f - 1.0f; }
  // lo .. hi inclusive
  int Range(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1)); }
  bool Chance(float probability) { return Uniform() < probability; }

 private:
  uint32_t state_;
};

}  // namespace synth
