// Amplitude and parameter shapes over time.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace synth {

// Attack, decay, sustain level and release, in seconds; the note is held for `hold` seconds
// from its start before the release begins. Value() is 0 before the start and after the end.
struct Adsr {
  double attack = 0.005;
  double decay = 0.1;
  double sustain = 0.7;
  double release = 0.1;

  double Value(double t, double hold) const;
  double Length(double hold) const { return hold + release; }
};

// A shape through (time, value) points, straight between them, flat outside.
class Breakpoints {
 public:
  struct Point {
    double time;
    double value;
  };
  Breakpoints(std::initializer_list<Point> points) : points_(points) {}
  double Value(double t) const;

 private:
  std::vector<Point> points_;
};

// exp(-t / tau) with a short linear attack so the start never clicks.
double Decay(double t, double tau, double attack = 0.002);

}  // namespace synth
