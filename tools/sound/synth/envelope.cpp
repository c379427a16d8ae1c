#include "synth/envelope.h"

#include <algorithm>
#include <cmath>

namespace synth {

double Adsr::Value(double t, double hold) const {
  if (t < 0.0) return 0.0;
  auto held = [this](double at) {
    if (at < attack) return at / attack;
    if (at < attack + decay) return 1.0 - (1.0 - sustain) * (at - attack) / decay;
    return sustain;
  };
  if (t < hold) return held(t);
  if (t >= hold + release) return 0.0;
  return held(hold) * (1.0 - (t - hold) / release);
}

double Breakpoints::Value(double t) const {
  if (points_.empty()) return 0.0;
  if (t <= points_.front().time) return points_.front().value;
  for (size_t i = 1; i < points_.size(); ++i) {
    const Point& a = points_[i - 1];
    const Point& b = points_[i];
    if (t < b.time) {
      const double span = b.time - a.time;
      return span <= 0.0 ? b.value : a.value + (b.value - a.value) * (t - a.time) / span;
    }
  }
  return points_.back().value;
}

double Decay(double t, double tau, double attack) {
  if (t < 0.0) return 0.0;
  const double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
  return rise * std::exp(-t / tau);
}

}  // namespace synth
