// Deterministic randomness for generators: the same seed gives the same picture on every run
// and every machine (no library distributions, whose output may differ between versions).
#pragma once

#include <cstdint>

namespace raster {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // A real in [low, high).
  float Real(float low, float high);
  // An integer in [low, high], both included.
  int Int(int low, int high);

 private:
  uint64_t state_;
};

// Smooth value noise in [0, 1] at (x, y), one lattice cell per unit.
float ValueNoise(float x, float y, uint32_t seed);
// Several octaves of value noise, each of double frequency and half weight, in [0, 1].
float FractalNoise(float x, float y, int octaves, uint32_t seed);

}  // namespace raster
