// Filters: a state-variable filter whose cutoff may move every sample, the usual biquads,
// and one-pole smoothing.
#pragma once

namespace synth {

// Zero-delay-feedback state-variable filter; stable while the cutoff sweeps.
class StateVariableFilter {
 public:
  struct Output {
    float low;
    float band;
    float high;
  };
  // resonance 0 (none) .. just under 1 (self-oscillation).
  Output Process(float input, double cutoff_hz, double resonance);
  float Low(float input, double cutoff_hz, double resonance) { return Process(input, cutoff_hz, resonance).low; }
  float Band(float input, double cutoff_hz, double resonance) { return Process(input, cutoff_hz, resonance).band; }
  float High(float input, double cutoff_hz, double resonance) { return Process(input, cutoff_hz, resonance).high; }

 private:
  double ic1_ = 0.0;
  double ic2_ = 0.0;
  // The coefficients for the last cutoff and resonance: most calls repeat them.
  double cutoff_ = -1.0, resonance_ = -1.0;
  double k_ = 0.0, a1_ = 0.0, a2_ = 0.0, a3_ = 0.0;
};

class Biquad {
 public:
  static Biquad LowPass(double hz, double q = 0.7071);
  static Biquad HighPass(double hz, double q = 0.7071);
  static Biquad BandPass(double hz, double q);
  static Biquad Peak(double hz, double q, double gain_db);
  float Process(float input);

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

class OnePole {
 public:
  explicit OnePole(double cutoff_hz) { SetCutoff(cutoff_hz); }
  void SetCutoff(double cutoff_hz);
  float Low(float input);
  float High(float input) { return input - Low(input); }

 private:
  double coefficient_ = 0.0;
  double state_ = 0.0;
};

}  // namespace synth
