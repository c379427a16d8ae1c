// Small helpers the effect recipes share.
#pragma once

#include <cmath>
#include <cstddef>
#include <utility>

#include "synth/effects.h"
#include "synth/envelope.h"
#include "synth/filter.h"
#include "synth/oscillator.h"
#include "synth/signal.h"

namespace effects {

// A signal of `frames` samples; make(t) gives the sample at t seconds.
template <typename Make>
synth::Mono Render(size_t frames, Make&& make) {
  synth::Mono out(frames);
  for (size_t i = 0; i < frames; ++i) out[i] = static_cast<float>(make(static_cast<double>(i) / synth::kRate));
  return out;
}

// Runs a stateful process (filters, echoes) over a loop as if it had been playing for a
// while: three passes in a row, of which the middle one is kept, so its end meets its start.
template <typename Process>
synth::Mono Circular(const synth::Mono& loop, Process&& process) {
  synth::Mono three;
  three.reserve(loop.size() * 3);
  for (int pass = 0; pass < 3; ++pass) three.insert(three.end(), loop.begin(), loop.end());
  process(three);
  return synth::Mono(three.begin() + static_cast<long>(loop.size()),
                     three.begin() + static_cast<long>(2 * loop.size()));
}

// Noise-like material for a loop: rendered a little long and crossfaded into its start.
template <typename Make>
synth::Mono LoopedNoise(size_t frames, double overlap_seconds, Make&& make) {
  const size_t overlap = synth::Frames(overlap_seconds);
  synth::Mono out = Render(frames + overlap, std::forward<Make>(make));
  synth::CrossfadeLoop(out, overlap);
  return out;
}

// The phase of a sine whose frequency moves: integrates hz(t) sample by sample.
class Phase {
 public:
  double Advance(double hz) {
    const double value = phase_;
    phase_ += hz / synth::kRate;
    phase_ -= std::floor(phase_);
    return value;
  }
  double Sine(double hz) { return std::sin(2.0 * synth::kPi * Advance(hz)); }

 private:
  double phase_ = 0.0;
};

}  // namespace effects
