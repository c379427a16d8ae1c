// Explosions, small to large: a noise blast whose brightness falls away, a sub-bass boom
// and, in the bigger ones, debris crackling in the tail.
#include <array>
#include <cmath>

#include "effects/recipe_kit.h"
#include "effects/recipes.h"
#include "synth/random.h"

namespace effects {

using synth::Mono;

namespace {

struct ExplosionShape {
  double start_cutoff;  // Hz, the brightness of the first crack
  double end_cutoff;
  double tau;           // seconds, the decay of the blast
  double boom_hz;       // the sub-bass boom's final pitch
  double boom_level;
  double debris;        // crackles per second in the tail
  float room;
};

constexpr std::array<ExplosionShape, 3> kShapes = {{
    {5000.0, 600.0, 0.12, 70.0, 0.6, 0.0, 0.3f},
    {3800.0, 300.0, 0.25, 50.0, 0.9, 25.0, 0.5f},
    {3000.0, 140.0, 0.55, 36.0, 1.2, 40.0, 0.8f},
}};

}  // namespace

Mono MakeExplosion(size_t frames, int size) {
  const ExplosionShape& shape = kShapes[static_cast<size_t>(size)];
  const double seconds = static_cast<double>(frames) / synth::kRate;
  synth::WhiteNoise white(700 + static_cast<uint32_t>(size));
  synth::BrownNoise brown(710 + static_cast<uint32_t>(size));
  synth::StateVariableFilter blast_filter;
  Phase boom;
  Mono out = Render(frames, [&](double t) {
    const double cutoff = shape.end_cutoff + (shape.start_cutoff - shape.end_cutoff) * std::exp(-t / (shape.tau * 0.6));
    const double noise = 0.5 * white.Next() + 2.5 * brown.Next();
    const double blast = blast_filter.Low(static_cast<float>(noise), cutoff, 0.25) * synth::Decay(t, shape.tau, 0.001);
    const double boom_hz = shape.boom_hz + 90.0 * std::exp(-t / 0.05);
    const double sub = boom.Sine(boom_hz) * synth::Decay(t, shape.tau * 0.8, 0.003) * shape.boom_level;
    return 1.6 * blast + sub;
  });
  synth::Random random(720 + static_cast<uint32_t>(size));
  synth::WhiteNoise grain(730 + static_cast<uint32_t>(size));
  const int crackles = static_cast<int>(shape.debris * seconds);
  for (int n = 0; n < crackles; ++n) {
    const double at = 0.05 + random.Uniform() * seconds * 0.7;
    const double strength = 0.25 * std::exp(-at / (seconds * 0.4)) * (0.5 + random.Uniform());
    Mono crackle = Render(synth::Frames(0.02), [&](double t) { return grain.Next() * strength * synth::Decay(t, 0.004, 0.0002); });
    synth::MixInto(out, crackle, synth::Frames(at));
  }
  synth::Saturate(out, 2.5f);
  synth::Reverb(out, shape.room, 0.5f, 0.5f);
  synth::FadeOut(out, seconds * 0.3);
  return out;
}

Mono MakeExplosionSmall(size_t frames) { return MakeExplosion(frames, 0); }
Mono MakeExplosionMedium(size_t frames) { return MakeExplosion(frames, 1); }
Mono MakeExplosionLarge(size_t frames) { return MakeExplosion(frames, 2); }

}  // namespace effects
