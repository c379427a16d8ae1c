// The interface's own small sounds: a button click and a panel opening.
#include <cmath>

#include "effects/recipe_kit.h"
#include "effects/recipes.h"

namespace effects {

using synth::Mono;

Mono MakeClick(size_t frames) {
  Phase tone;
  synth::WhiteNoise noise(1301);
  synth::StateVariableFilter tick;
  Mono out = Render(frames, [&](double t) {
    return 0.6 * tone.Sine(1800.0) * synth::Decay(t, 0.006, 0.0005) +
           0.5 * tick.Band(noise.Next(), 4000.0, 0.4) * synth::Decay(t, 0.003, 0.0002);
  });
  synth::FadeOut(out, 0.01);
  return out;
}

Mono MakeOpen(size_t frames) {
  Phase tone;
  const double seconds = static_cast<double>(frames) / synth::kRate;
  Mono out = Render(frames, [&](double t) {
    const double progress = t / seconds;
    const double hz = 500.0 + 700.0 * progress;
    const double level = std::sin(synth::kPi * progress);
    const double p = tone.Advance(hz);
    return level * (std::sin(2.0 * synth::kPi * p) + 0.25 * std::sin(4.0 * synth::kPi * p));
  });
  synth::Echo(out, 0.04, 0.2f, 0.2f);
  return out;
}

}  // namespace effects
