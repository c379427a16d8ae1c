// One sound per weapon, each with a character of its own: the laser's falling zap, the
// ricochet's whine, the plasma's wet burble, the mine's armed beeps, the missile's rocket,
// the cannon's punch, the shield's rising shimmer and the bomb's ticking fuse.
#include <cmath>

#include "effects/recipe_kit.h"
#include "effects/recipes.h"
#include "synth/random.h"

namespace effects {

using synth::kPi;
using synth::Mono;

Mono MakeLaser(size_t frames) {
  synth::Oscillator square(synth::Wave::kSquare), sub(synth::Wave::kSine);
  Mono out = Render(frames, [&](double t) {
    const double hz = 250.0 + 1700.0 * std::exp(-t / 0.045);
    return synth::Decay(t, 0.08, 0.001) * (0.4 * square.Next(hz) + 0.6 * sub.Next(hz * 0.5));
  });
  synth::Echo(out, 0.06, 0.25f, 0.3f);
  synth::FadeOut(out, 0.04);
  return out;
}

Mono MakeRicochet(size_t frames) {
  Phase whine;
  synth::WhiteNoise click_noise(801);
  synth::StateVariableFilter click_filter;
  const synth::Breakpoints level{{0.0, 0.0}, {0.01, 1.0}, {0.45, 0.0}};
  Mono out = Render(frames, [&](double t) {
    const double hz = 1200.0 + 1500.0 * std::exp(-t / 0.18) + 60.0 * std::sin(2.0 * kPi * 28.0 * t);
    const double tone = whine.Sine(hz) * level.Value(t);
    const double click = click_filter.High(click_noise.Next(), 2500.0, 0.1) * synth::Decay(t, 0.006, 0.0002);
    return 0.6 * tone + 1.2 * click;
  });
  synth::Echo(out, 0.11, 0.2f, 0.25f);
  return out;
}

Mono MakePlasma(size_t frames) {
  Phase carrier, modulator;
  Mono out = Render(frames, [&](double t) {
    const double hz = 110.0 + 240.0 * std::exp(-t / 0.08);
    const double index = 7.0 * synth::Decay(t, 0.12, 0.001) + 1.0;
    const double wobble = 0.75 + 0.25 * std::sin(2.0 * kPi * 32.0 * t);
    const double tone = std::sin(2.0 * kPi * carrier.Advance(hz) + index * modulator.Sine(hz * 1.5));
    return tone * wobble * synth::Decay(t, 0.13, 0.002);
  });
  synth::Saturate(out, 1.5f);
  synth::FadeOut(out, 0.05);
  return out;
}

Mono MakeMine(size_t frames) {
  Phase clunk;
  synth::WhiteNoise noise(901);
  synth::StateVariableFilter knock;
  Mono out = Render(frames, [&](double t) {
    const double body = clunk.Sine(150.0 + 80.0 * std::exp(-t / 0.02)) * synth::Decay(t, 0.05, 0.001);
    const double tap = knock.Band(noise.Next(), 900.0, 0.5) * synth::Decay(t, 0.02, 0.0005);
    return body + 1.5 * tap;
  });
  // Two short beeps: the mine is armed.
  for (double at : {0.16, 0.3}) {
    synth::Oscillator beep(synth::Wave::kSquare);
    const synth::Adsr envelope{0.002, 0.01, 0.8, 0.01};
    Mono tone = Render(synth::Frames(0.06), [&](double t) { return 0.3 * beep.Next(1400.0) * envelope.Value(t, 0.045); });
    synth::MixInto(out, tone, synth::Frames(at));
  }
  return out;
}

Mono MakeMissile(size_t frames) {
  synth::PinkNoise pink(1001);
  synth::BrownNoise brown(1002);
  synth::StateVariableFilter hiss_filter;
  Phase pop;
  const synth::Breakpoints hiss_level{{0.0, 0.0}, {0.03, 1.0}, {0.4, 0.8}, {1.0, 0.0}};
  Mono out = Render(frames, [&](double t) {
    const double ignition = pop.Sine(90.0 + 120.0 * std::exp(-t / 0.03)) * synth::Decay(t, 0.06, 0.001);
    const double cutoff = 700.0 + 2200.0 * (1.0 - std::exp(-t / 0.15));
    const double hiss = hiss_filter.Band(pink.Next(), cutoff, 0.4) * 2.5 + brown.Next() * 1.5;
    return 0.8 * ignition + hiss * hiss_level.Value(t / (static_cast<double>(frames) / synth::kRate));
  });
  synth::Saturate(out, 1.8f);
  synth::FadeOut(out, 0.1);
  return out;
}

Mono MakeCannon(size_t frames) {
  Phase boom;
  synth::WhiteNoise noise(1101);
  synth::StateVariableFilter crack_filter;
  Mono out = Render(frames, [&](double t) {
    const double body = boom.Sine(42.0 + 110.0 * std::exp(-t / 0.03)) * synth::Decay(t, 0.09, 0.001);
    const double crack = crack_filter.High(noise.Next(), 1000.0, 0.2) * synth::Decay(t, 0.025, 0.0003);
    return 1.1 * body + 0.9 * crack;
  });
  synth::Saturate(out, 3.0f);
  synth::Reverb(out, 0.4f, 0.5f, 0.35f);
  synth::FadeOut(out, 0.1);
  return out;
}

Mono MakeShield(size_t frames) {
  synth::Oscillator a(synth::Wave::kSaw), b(synth::Wave::kSaw), c(synth::Wave::kSaw);
  synth::StateVariableFilter sweep_filter;
  const synth::Breakpoints cutoff{{0.0, 300.0}, {0.6, 5000.0}, {1.0, 3000.0}};
  const synth::Breakpoints level{{0.0, 0.0}, {0.1, 0.8}, {0.6, 1.0}, {1.0, 0.0}};
  const double seconds = static_cast<double>(frames) / synth::kRate;
  Mono out = Render(frames, [&](double t) {
    const double hz = 220.0 * (1.0 + 0.5 * t / seconds);
    const double chord = a.Next(hz) + b.Next(hz * 1.503) + c.Next(hz * 2.006);
    const double shimmer = 0.8 + 0.2 * std::sin(2.0 * kPi * 12.0 * t);
    return sweep_filter.Low(static_cast<float>(chord), cutoff.Value(t / seconds), 0.6) * level.Value(t / seconds) * shimmer;
  });
  synth::Echo(out, 0.07, 0.4f, 0.35f);
  synth::FadeOut(out, 0.05);
  return out;
}

Mono MakeBomb(size_t frames) {
  Phase doom;
  synth::WhiteNoise noise(1201);
  synth::StateVariableFilter clank_filter;
  Mono out = Render(frames, [&](double t) {
    const double body = doom.Sine(70.0 + 60.0 * std::exp(-t / 0.05)) * synth::Decay(t, 0.15, 0.002);
    const double clank = clank_filter.Band(noise.Next(), 2200.0, 0.85) * synth::Decay(t, 0.04, 0.0005);
    return 1.2 * body + 1.4 * clank;
  });
  // The fuse: four dry ticks.
  synth::WhiteNoise tick_noise(1202);
  for (int n = 0; n < 4; ++n) {
    synth::StateVariableFilter tick_filter;
    Mono tick = Render(synth::Frames(0.03), [&](double t) {
      return 0.5 * tick_filter.Band(tick_noise.Next(), 3500.0, 0.7) * synth::Decay(t, 0.004, 0.0002);
    });
    synth::MixInto(out, tick, synth::Frames(0.3 + 0.14 * n));
  }
  synth::FadeOut(out, 0.05);
  return out;
}

}  // namespace effects
