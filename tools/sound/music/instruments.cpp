#include "music/instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "synth/effects.h"
#include "synth/envelope.h"
#include "synth/filter.h"
#include "synth/oscillator.h"

namespace music {

using synth::Mono;
using synth::Wave;

namespace {

template <typename Make>
Mono Render(double seconds, Make&& make) {
  Mono out(synth::Frames(seconds));
  for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<float>(make(static_cast<double>(i) / synth::kRate));
  return out;
}

double Vibrato(double t, double depth) {
  // Sets in after the note has sounded a while, as a player's would.
  const double onset = std::clamp((t - 0.25) / 0.3, 0.0, 1.0);
  return 1.0 + depth * onset * std::sin(2.0 * synth::kPi * 5.5 * t);
}

Mono SuperSaw(double hz, double hold, float velocity) {
  const synth::Adsr envelope{0.006, 0.25, 0.7, 0.18};
  std::array<synth::Oscillator, 5> saws = {synth::Oscillator(Wave::kSaw, 0.0), synth::Oscillator(Wave::kSaw, 0.31),
                                           synth::Oscillator(Wave::kSaw, 0.57), synth::Oscillator(Wave::kSaw, 0.13),
                                           synth::Oscillator(Wave::kSaw, 0.83)};
  constexpr std::array<double, 5> kDetune = {1.0, 1.006, 0.994, 1.012, 0.988};
  synth::StateVariableFilter filter;
  return Render(envelope.Length(hold), [&](double t) {
    const double f = hz * Vibrato(t, 0.004);
    double sum = 0.0;
    for (size_t k = 0; k < saws.size(); ++k) sum += saws[k].Next(f * kDetune[k]);
    const double env = envelope.Value(t, hold);
    const double cutoff = 900.0 + 5000.0 * synth::Decay(t, 0.25, 0.01) + 1200.0 * velocity;
    return filter.Low(static_cast<float>(sum * 0.3), cutoff, 0.2) * env * velocity;
  });
}

Mono SquareLead(double hz, double hold, float velocity) {
  const synth::Adsr envelope{0.003, 0.1, 0.8, 0.08};
  synth::Oscillator pulse(Wave::kPulse), octave(Wave::kSquare);
  synth::StateVariableFilter filter;
  return Render(envelope.Length(hold), [&](double t) {
    const double f = hz * Vibrato(t, 0.006);
    const double width = 0.3 + 0.15 * std::sin(2.0 * synth::kPi * 3.0 * t);
    const double sum = 0.7 * pulse.Next(f, width) + 0.2 * octave.Next(f * 2.0);
    return filter.Low(static_cast<float>(sum), 4500.0, 0.1) * envelope.Value(t, hold) * velocity * 0.6;
  });
}

Mono FmBell(double hz, double hold, float velocity) {
  const synth::Adsr envelope{0.002, 0.6, 0.35, 0.35};
  double carrier = 0.0, modulator = 0.0;
  return Render(envelope.Length(hold), [&](double t) {
    const double index = 2.5 * synth::Decay(t, 0.3, 0.001) + 0.4;
    const double mod = std::sin(2.0 * synth::kPi * modulator) * index;
    const double out = std::sin(2.0 * synth::kPi * carrier + mod);
    carrier += hz * Vibrato(t, 0.003) / synth::kRate;
    modulator += hz * 2.0 / synth::kRate;
    carrier -= std::floor(carrier);
    modulator -= std::floor(modulator);
    return out * envelope.Value(t, hold) * velocity * 0.7;
  });
}

Mono PluckLead(double hz, double hold, float velocity) {
  const synth::Adsr envelope{0.002, 0.3, 0.3, 0.2};
  synth::Oscillator saw(Wave::kSaw), square(Wave::kSquare, 0.25);
  synth::StateVariableFilter filter;
  return Render(envelope.Length(hold), [&](double t) {
    const double sum = 0.6 * saw.Next(hz) + 0.3 * square.Next(hz * 1.003);
    const double cutoff = 400.0 + 6000.0 * synth::Decay(t, 0.08, 0.001);
    return filter.Low(static_cast<float>(sum), cutoff, 0.35) * envelope.Value(t, hold) * velocity * 0.8;
  });
}

Mono Brass(double hz, double hold, float velocity) {
  const synth::Adsr envelope{0.04, 0.2, 0.8, 0.15};
  synth::Oscillator a(Wave::kSaw), b(Wave::kSaw, 0.5);
  synth::StateVariableFilter filter;
  return Render(envelope.Length(hold), [&](double t) {
    const double f = hz * Vibrato(t, 0.005);
    const double sum = 0.5 * a.Next(f) + 0.5 * b.Next(f * 1.004);
    const double env = envelope.Value(t, hold);
    return filter.Low(static_cast<float>(sum), 500.0 + 3500.0 * env, 0.25) * env * velocity * 0.8;
  });
}

}  // namespace

Mono PlayLead(LeadSound sound, double hz, double hold, float velocity) {
  switch (sound) {
    case LeadSound::kSuperSaw: return SuperSaw(hz, hold, velocity);
    case LeadSound::kSquare: return SquareLead(hz, hold, velocity);
    case LeadSound::kFmBell: return FmBell(hz, hold, velocity);
    case LeadSound::kPluck: return PluckLead(hz, hold, velocity);
    case LeadSound::kBrass: return Brass(hz, hold, velocity);
  }
  return {};
}

Mono PlayBass(BassSound sound, double hz, double hold, float velocity) {
  const synth::Adsr envelope{0.003, 0.15, 0.75, 0.05};
  synth::Oscillator a(Wave::kSaw), b(Wave::kSaw, 0.5), sine(Wave::kSine), pulse(Wave::kSquare);
  synth::StateVariableFilter filter;
  double fm_phase = 0.0;
  Mono out = Render(envelope.Length(hold), [&](double t) {
    const double env = envelope.Value(t, hold);
    double value = 0.0;
    switch (sound) {
      case BassSound::kAcid: {
        const double cutoff = 250.0 + 2600.0 * velocity * synth::Decay(t, 0.12, 0.001);
        value = filter.Low(a.Next(hz), cutoff, 0.82) * 1.4;
        break;
      }
      case BassSound::kSub:
        value = sine.Next(hz) + 0.3 * filter.Low(pulse.Next(hz), 400.0, 0.1);
        break;
      case BassSound::kReese:
        value = filter.Low(static_cast<float>(0.6 * a.Next(hz) + 0.6 * b.Next(hz * 1.008)), 650.0, 0.3) + 0.5 * sine.Next(hz);
        break;
      case BassSound::kFm: {
        const double index = 3.0 * synth::Decay(t, 0.07, 0.001) + 0.5;
        value = std::sin(2.0 * synth::kPi * sine.phase() + index * std::sin(2.0 * synth::kPi * fm_phase));
        sine.Next(hz);
        fm_phase += hz / synth::kRate;
        fm_phase -= std::floor(fm_phase);
        break;
      }
      case BassSound::kOctavePulse: {
        const double cutoff = 300.0 + 1800.0 * synth::Decay(t, 0.09, 0.001);
        value = filter.Low(static_cast<float>(pulse.Next(hz) * 0.7 + 0.3 * a.Next(hz * 2.0)), cutoff, 0.3) + 0.4 * sine.Next(hz);
        break;
      }
    }
    return value * env * velocity * 0.7;
  });
  if (sound == BassSound::kAcid) synth::Saturate(out, 2.0f);
  return out;
}

Mono PlayPad(PadSound sound, double hz, double hold, float velocity, double spread) {
  const synth::Adsr envelope{0.25, 0.5, 0.8, 0.6};
  synth::Oscillator a(Wave::kSaw, 0.1), b(Wave::kSaw, 0.6), sine(Wave::kSine), triangle(Wave::kTriangle);
  synth::StateVariableFilter filter;
  const double detune = 1.0 + 0.004 * spread;
  return Render(envelope.Length(hold), [&](double t) {
    const double env = envelope.Value(t, hold);
    double value = 0.0;
    if (sound == PadSound::kStrings) {
      const double sum = 0.5 * a.Next(hz * detune) + 0.5 * b.Next(hz / detune);
      value = filter.Low(static_cast<float>(sum), 1400.0 + 500.0 * std::sin(2.0 * synth::kPi * 0.25 * t), 0.15);
    } else {
      value = 0.6 * sine.Next(hz * detune) + 0.3 * triangle.Next(hz * 2.0 / detune);
    }
    return value * env * velocity * 0.35;
  });
}

Mono PlayArpeggio(double hz, float velocity) {
  synth::Oscillator saw(Wave::kSaw), pulse(Wave::kPulse);
  synth::StateVariableFilter filter;
  return Render(0.16, [&](double t) {
    const double sum = 0.5 * saw.Next(hz) + 0.4 * pulse.Next(hz, 0.3);
    const double cutoff = 600.0 + 4500.0 * synth::Decay(t, 0.04, 0.001);
    return filter.Low(static_cast<float>(sum), cutoff, 0.3) * synth::Decay(t, 0.07, 0.002) * velocity * 0.5;
  });
}

Mono PlayKick(DrumKit kit, float velocity) {
  struct Shape {
    double start_hz, end_hz, sweep, tau, click, drive;
  };
  constexpr std::array<Shape, 4> kShapes = {{
      {160.0, 50.0, 0.035, 0.22, 0.5, 1.5},   // punchy
      {120.0, 45.0, 0.06, 0.35, 0.2, 1.2},    // electro: long and boomy
      {200.0, 55.0, 0.025, 0.18, 0.8, 3.5},   // industrial: hard and distorted
      {180.0, 60.0, 0.03, 0.14, 0.6, 1.8},    // breaks: short and tight
  }};
  const Shape& shape = kShapes[static_cast<size_t>(kit)];
  double phase = 0.0;
  synth::WhiteNoise noise(77);
  Mono out = Render(shape.tau * 4.0, [&](double t) {
    const double hz = shape.end_hz + (shape.start_hz - shape.end_hz) * std::exp(-t / shape.sweep);
    phase += hz / synth::kRate;
    const double body = std::sin(2.0 * synth::kPi * phase) * synth::Decay(t, shape.tau, 0.0008);
    const double click = noise.Next() * synth::Decay(t, 0.002, 0.0002) * shape.click;
    return (body + click) * velocity;
  });
  synth::Saturate(out, static_cast<float>(shape.drive));
  synth::FadeOut(out, 0.02);
  return out;
}

Mono PlaySnare(DrumKit kit, float velocity, uint32_t seed) {
  const double tone_hz = kit == DrumKit::kIndustrial ? 160.0 : kit == DrumKit::kBreaks ? 220.0 : 190.0;
  const double tau = kit == DrumKit::kBreaks ? 0.09 : 0.13;
  synth::WhiteNoise noise(seed);
  synth::StateVariableFilter filter;
  double phase = 0.0;
  Mono out = Render(tau * 4.0, [&](double t) {
    phase += (tone_hz + 60.0 * std::exp(-t / 0.01)) / synth::kRate;
    const double tone = std::sin(2.0 * synth::kPi * phase) * synth::Decay(t, 0.05, 0.0005);
    const double rattle = filter.Band(noise.Next(), 3500.0, 0.2) * synth::Decay(t, tau, 0.0005);
    return (0.5 * tone + 1.1 * rattle) * velocity;
  });
  if (kit == DrumKit::kIndustrial) synth::Saturate(out, 3.0f);
  return out;
}

Mono PlayClap(float velocity, uint32_t seed) {
  synth::WhiteNoise noise(seed);
  synth::StateVariableFilter filter;
  return Render(0.35, [&](double t) {
    // Three quick hands, then the room.
    double env = synth::Decay(t - 0.02, 0.12, 0.0005) * 0.8;
    for (double at : {0.0, 0.01, 0.02}) env += (t >= at && t < at + 0.01) ? synth::Decay(t - at, 0.004, 0.0003) : 0.0;
    return filter.Band(noise.Next(), 1400.0, 0.45) * env * velocity * 1.6;
  });
}

Mono PlayHat(DrumKit kit, float velocity, bool open, uint32_t seed) {
  synth::WhiteNoise noise(seed);
  // Metal: detuned squares at inharmonic ratios under the noise.
  std::array<synth::Oscillator, 4> metal = {synth::Oscillator(Wave::kSquare), synth::Oscillator(Wave::kSquare),
                                            synth::Oscillator(Wave::kSquare), synth::Oscillator(Wave::kSquare)};
  constexpr std::array<double, 4> kMetalHz = {2840.0, 3930.0, 5270.0, 6710.0};
  synth::StateVariableFilter filter;
  const double tau = open ? 0.16 : (kit == DrumKit::kIndustrial ? 0.03 : 0.022);
  const double brightness = kit == DrumKit::kElectro ? 7500.0 : 9000.0;
  return Render(tau * 4.0, [&](double t) {
    double ring = 0.0;
    for (size_t k = 0; k < metal.size(); ++k) ring += metal[k].Next(kMetalHz[k]);
    const double source = 0.6 * noise.Next() + 0.12 * ring;
    return filter.High(static_cast<float>(source), brightness, 0.2) * synth::Decay(t, tau, 0.0005) * velocity * 0.55;
  });
}

Mono PlayCrash(float velocity, uint32_t seed) {
  synth::WhiteNoise noise(seed);
  synth::StateVariableFilter filter;
  return Render(2.0, [&](double t) {
    return filter.High(noise.Next(), 5000.0 - 2000.0 * std::exp(-t / 0.1), 0.1) * synth::Decay(t, 0.6, 0.001) * velocity * 0.35;
  });
}

Mono PlayRiser(double seconds, float velocity, uint32_t seed) {
  synth::WhiteNoise noise(seed);
  synth::StateVariableFilter filter;
  Mono out = Render(seconds, [&](double t) {
    const double progress = t / seconds;
    const double cutoff = 400.0 * std::pow(20.0, progress);
    return filter.Band(noise.Next(), cutoff, 0.6) * progress * progress * velocity * 0.6;
  });
  synth::FadeOut(out, 0.01);
  return out;
}

}  // namespace music
