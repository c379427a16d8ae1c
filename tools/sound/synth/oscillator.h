// Band-limited oscillators with a running phase, and noise colours.
#pragma once

#include "synth/random.h"

namespace synth {

enum class Wave { kSine, kTriangle, kSaw, kSquare, kPulse };

class Oscillator {
 public:
  explicit Oscillator(Wave wave, double phase = 0.0) : wave_(wave), phase_(phase) {}

  // One sample at frequency hz; width is the pulse's duty cycle (kPulse only).
  float Next(double hz, double width = 0.5);
  double phase() const { return phase_; }

 private:
  Wave wave_;
  double phase_;
};

// White noise -1..1.
class WhiteNoise {
 public:
  explicit WhiteNoise(uint32_t seed) : random_(seed) {}
  float Next() { return random_.Bipolar(); }

 private:
  Random random_;
};

// Pink (1/f) noise by the three-pole approximation; about the level of white noise.
class PinkNoise {
 public:
  explicit PinkNoise(uint32_t seed) : white_(seed) {}
  float Next();

 private:
  WhiteNoise white_;
  float b0_ = 0, b1_ = 0, b2_ = 0;
};

// Brown (1/f^2) noise: integrated white noise that leaks back to zero.
class BrownNoise {
 public:
  explicit BrownNoise(uint32_t seed) : white_(seed) {}
  float Next();

 private:
  WhiteNoise white_;
  float level_ = 0;
};

}  // namespace synth
