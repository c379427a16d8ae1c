#include "raster/noise.h"

#include <cmath>

namespace raster {
namespace {

float Lattice(int x, int y, uint32_t seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return float(h & 0xFFFFFF) / float(0xFFFFFF);
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

uint64_t Random::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

float Random::Real(float low, float high) {
  return low + (high - low) * float(double(Next() >> 11) / double(1ull << 53));
}

int Random::Int(int low, int high) {
  if (high <= low) return low;
  return low + int(Next() % uint64_t(high - low + 1));
}

float ValueNoise(float x, float y, uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = int(fx), iy = int(fy);
  const float tx = Smooth(x - fx), ty = Smooth(y - fy);
  const float a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
  const float c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float FractalNoise(float x, float y, int octaves, uint32_t seed) {
  float sum = 0, weight = 0, amplitude = 1, frequency = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x * frequency, y * frequency, seed + uint32_t(i) * 101u) * amplitude;
    weight += amplitude;
    amplitude *= 0.5f;
    frequency *= 2.0f;
  }
  return weight > 0 ? sum / weight : 0.0f;
}

}  // namespace raster
