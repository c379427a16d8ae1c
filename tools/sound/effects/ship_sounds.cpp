// Sounds of the ships and the race: boost, pick-ups, crashes and the achievement chime.
#include <array>
#include <cmath>

#include "effects/recipe_kit.h"
#include "effects/recipes.h"
#include "synth/random.h"

namespace effects {

using synth::kPi;
using synth::Mono;

// The boost pad or turbo: a rising jet whoosh with a roaring saw underneath.
Mono MakeBoost(size_t frames) {
  synth::PinkNoise pink(401);
  synth::StateVariableFilter band, roar_filter;
  synth::Oscillator saw(synth::Wave::kSaw), saw2(synth::Wave::kSaw);
  const synth::Breakpoints sweep{{0.0, 300.0}, {0.55, 4200.0}, {1.0, 2500.0}};
  const synth::Breakpoints pitch{{0.0, 90.0}, {0.6, 260.0}, {1.0, 240.0}};
  const synth::Breakpoints level{{0.0, 0.0}, {0.05, 0.7}, {0.45, 1.0}, {1.0, 0.0}};
  Mono out = Render(frames, [&](double t) {
    const double whoosh = band.Band(pink.Next(), sweep.Value(t), 0.55) * 2.2;
    const double hz = pitch.Value(t);
    const double roar = roar_filter.Low(static_cast<float>(saw.Next(hz) + saw2.Next(hz * 1.01)), hz * 6.0, 0.4);
    return level.Value(t) * (whoosh + 0.45 * roar);
  });
  synth::Saturate(out, 2.0f);
  synth::FadeOut(out, 0.05);
  return out;
}

// A weapon pad: three bright rising blips.
Mono MakeWeaponPickUp(size_t frames) {
  constexpr std::array<double, 3> kNotes = {76.0, 83.0, 88.0};  // E5, B5, E6
  Mono out(frames, 0.0f);
  for (size_t n = 0; n < kNotes.size(); ++n) {
    synth::Oscillator pulse(synth::Wave::kPulse), sine(synth::Wave::kSine);
    const double hz = synth::NoteHz(kNotes[n]);
    Mono note = Render(synth::Frames(0.12), [&](double t) {
      return synth::Decay(t, 0.05, 0.002) * (0.35 * pulse.Next(hz, 0.25) + 0.5 * sine.Next(hz * 2.0));
    });
    synth::MixInto(out, note, synth::Frames(0.055 * static_cast<double>(n)));
  }
  synth::Echo(out, 0.09, 0.3f, 0.3f);
  synth::FadeOut(out, 0.03);
  return out;
}

namespace {

// A struck bell from two-operator FM: the modulation dies faster than the tone.
Mono Bell(double hz, double seconds, double tau) {
  Phase carrier, modulator;
  return Render(synth::Frames(seconds), [&](double t) {
    const double index = 3.0 * synth::Decay(t, tau * 0.35, 0.001);
    const double mod = modulator.Sine(hz * 3.5) * index;
    return synth::Decay(t, tau, 0.002) * std::sin(2.0 * kPi * carrier.Advance(hz) + mod);
  });
}

}  // namespace

// An achievement: a quick major arpeggio of bells ringing out.
Mono MakeAchievement(size_t frames) {
  constexpr std::array<double, 4> kNotes = {72.0, 76.0, 79.0, 84.0};  // C5 E5 G5 C6
  Mono out(frames, 0.0f);
  for (size_t n = 0; n < kNotes.size(); ++n) {
    const double seconds = static_cast<double>(frames) / synth::kRate - 0.09 * static_cast<double>(n);
    synth::MixInto(out, Bell(synth::NoteHz(kNotes[n]), seconds, n + 1 == kNotes.size() ? 0.5 : 0.3),
                   synth::Frames(0.09 * static_cast<double>(n)), n + 1 == kNotes.size() ? 0.9f : 0.6f);
  }
  synth::Reverb(out, 0.6f, 0.4f, 0.6f);
  synth::FadeOut(out, 0.2);
  return out;
}

namespace {

// Inharmonic partials of a struck metal plate, each with its own decay.
Mono MetalHit(size_t frames, double base_hz, double tau, uint32_t seed) {
  constexpr std::array<double, 6> kRatios = {1.0, 2.32, 3.71, 5.1, 6.93, 8.4};
  synth::Random random(seed);
  std::array<Phase, kRatios.size()> phases{};
  std::array<double, kRatios.size()> detune{};
  for (double& d : detune) d = 1.0 + 0.02 * random.Bipolar();
  return Render(frames, [&](double t) {
    double sum = 0.0;
    for (size_t k = 0; k < kRatios.size(); ++k) {
      const double partial_tau = tau / (1.0 + 0.6 * static_cast<double>(k));
      sum += phases[k].Sine(base_hz * kRatios[k] * detune[k]) * synth::Decay(t, partial_tau, 0.0005) /
             (1.0 + 0.4 * static_cast<double>(k));
    }
    return sum;
  });
}

Mono Thump(size_t frames, double start_hz, double end_hz, double tau) {
  Phase phase;
  return Render(frames, [&](double t) {
    const double hz = end_hz + (start_hz - end_hz) * std::exp(-t / 0.04);
    return phase.Sine(hz) * synth::Decay(t, tau, 0.001);
  });
}

Mono NoiseBurst(size_t frames, uint32_t seed, double cutoff_hz, double tau) {
  synth::WhiteNoise noise(seed);
  synth::StateVariableFilter filter;
  return Render(frames, [&](double t) { return filter.Low(noise.Next(), cutoff_hz, 0.2) * synth::Decay(t, tau, 0.0005); });
}

}  // namespace

// Two ships meet: a metallic clang over a dull thud.
Mono MakeCrashShip(size_t frames) {
  Mono out = MetalHit(frames, 310.0, 0.25, 501);
  synth::MixInto(out, Thump(frames, 180.0, 70.0, 0.09), 0, 0.9f);
  synth::MixInto(out, NoiseBurst(frames, 502, 3000.0, 0.03), 0, 0.8f);
  synth::Saturate(out, 1.8f);
  synth::FadeOut(out, 0.05);
  return out;
}

// A ship hits the wall: a heavy impact and a short grinding scrape.
Mono MakeCrashWall(size_t frames) {
  Mono out = Thump(frames, 140.0, 45.0, 0.12);
  synth::MixInto(out, NoiseBurst(frames, 601, 1200.0, 0.05), 0, 1.2f);
  synth::BrownNoise brown(602);
  synth::WhiteNoise white(603);
  synth::StateVariableFilter grind_filter;
  synth::Random jitter(604);
  double grit = 0.0;
  const synth::Breakpoints scrape_level{{0.0, 0.0}, {0.02, 1.0}, {0.35, 0.0}};
  Mono scrape = Render(frames, [&](double t) {
    if (jitter.Chance(0.01f)) grit = jitter.Uniform();
    const double amount = (0.4 + 0.6 * grit) * scrape_level.Value(t);
    return amount * (grind_filter.Band(white.Next(), 1700.0, 0.6) * 1.5 + brown.Next() * 2.0);
  });
  synth::MixInto(out, scrape, 0, 0.5f);
  synth::MixInto(out, MetalHit(frames, 190.0, 0.1, 605), 0, 0.35f);
  synth::Saturate(out, 2.2f);
  synth::FadeOut(out, 0.05);
  return out;
}

}  // namespace effects
