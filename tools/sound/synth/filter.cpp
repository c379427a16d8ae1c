#include "synth/filter.h"

#include <algorithm>
#include <cmath>

#include "synth/signal.h"

namespace synth {

StateVariableFilter::Output StateVariableFilter::Process(float input, double cutoff_hz, double resonance) {
  // A sweep moves the cutoff a little every sample; a change below a tenth of a percent
  // is inaudible and keeps the tangent off most samples.
  if (std::fabs(cutoff_hz - cutoff_) > cutoff_ * 0.001 || resonance != resonance_) {
    cutoff_ = cutoff_hz;
    resonance_ = resonance;
    const double g = std::tan(kPi * std::clamp(cutoff_hz, 10.0, kRate * 0.45) / kRate);
    k_ = 2.0 - 2.0 * std::clamp(resonance, 0.0, 0.98);
    a1_ = 1.0 / (1.0 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
  }
  const double v3 = input - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  return {static_cast<float>(v2), static_cast<float>(v1), static_cast<float>(input - k_ * v1 - v2)};
}

namespace {

double Omega(double hz) { return 2.0 * kPi * std::clamp(hz, 10.0, kRate * 0.45) / kRate; }

}  // namespace

Biquad Biquad::LowPass(double hz, double q) {
  const double w = Omega(hz), alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
  Biquad f;
  const double a0 = 1.0 + alpha;
  f.b0_ = (1.0 - c) / 2.0 / a0;
  f.b1_ = (1.0 - c) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2.0 * c / a0;
  f.a2_ = (1.0 - alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(double hz, double q) {
  const double w = Omega(hz), alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
  Biquad f;
  const double a0 = 1.0 + alpha;
  f.b0_ = (1.0 + c) / 2.0 / a0;
  f.b1_ = -(1.0 + c) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2.0 * c / a0;
  f.a2_ = (1.0 - alpha) / a0;
  return f;
}

Biquad Biquad::BandPass(double hz, double q) {
  const double w = Omega(hz), alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
  Biquad f;
  const double a0 = 1.0 + alpha;
  f.b0_ = alpha / a0;
  f.b1_ = 0.0;
  f.b2_ = -alpha / a0;
  f.a1_ = -2.0 * c / a0;
  f.a2_ = (1.0 - alpha) / a0;
  return f;
}

Biquad Biquad::Peak(double hz, double q, double gain_db) {
  const double w = Omega(hz), alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
  const double a = std::pow(10.0, gain_db / 40.0);
  Biquad f;
  const double a0 = 1.0 + alpha / a;
  f.b0_ = (1.0 + alpha * a) / a0;
  f.b1_ = -2.0 * c / a0;
  f.b2_ = (1.0 - alpha * a) / a0;
  f.a1_ = -2.0 * c / a0;
  f.a2_ = (1.0 - alpha / a) / a0;
  return f;
}

float Biquad::Process(float input) {
  const double y = b0_ * input + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = input;
  y2_ = y1_;
  y1_ = y;
  return static_cast<float>(y);
}

void OnePole::SetCutoff(double cutoff_hz) {
  coefficient_ = 1.0 - std::exp(-2.0 * kPi * std::max(cutoff_hz, 1.0) / kRate);
}

float OnePole::Low(float input) {
  state_ += coefficient_ * (input - state_);
  return static_cast<float>(state_);
}

}  // namespace synth
