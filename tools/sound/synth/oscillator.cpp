#include "synth/oscillator.h"

#include <cmath>

#include "synth/signal.h"

namespace synth {
namespace {

// The polynomial correction that takes the alias out of a hard step (PolyBLEP).
double Blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

double PulseAt(double phase, double dt, double width) {
  double value = phase < width ? 1.0 : -1.0;
  value += Blep(phase, dt);
  double shifted = phase - width;
  if (shifted < 0.0) shifted += 1.0;
  value -= Blep(shifted, dt);
  return value;
}

}  // namespace

float Oscillator::Next(double hz, double width) {
  const double dt = std::fmin(hz / kRate, 0.5);
  double value = 0.0;
  switch (wave_) {
    case Wave::kSine:
      value = std::sin(2.0 * kPi * phase_);
      break;
    case Wave::kSaw:
      value = 2.0 * phase_ - 1.0 - Blep(phase_, dt);
      break;
    case Wave::kSquare:
      value = PulseAt(phase_, dt, 0.5);
      break;
    case Wave::kPulse:
      value = PulseAt(phase_, dt, width);
      break;
    case Wave::kTriangle:
      // Its harmonics fall fast enough that the plain shape hardly aliases.
      value = 1.0 - 4.0 * std::fabs(phase_ - 0.5);
      break;
  }
  phase_ += dt;
  phase_ -= std::floor(phase_);
  return static_cast<float>(value);
}

float PinkNoise::Next() {
  const float white = white_.Next();
  b0_ = 0.99765f * b0_ + white * 0.0990460f;
  b1_ = 0.96300f * b1_ + white * 0.2965164f;
  b2_ = 0.57000f * b2_ + white * 1.0526913f;
  return (b0_ + b1_ + b2_ + white * 0.1848f) * 0.25f;
}

float BrownNoise::Next() {
  level_ = 0.998f * level_ + white_.Next() * 0.06f;
  return level_;
}

}  // namespace synth
