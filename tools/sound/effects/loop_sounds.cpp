// The terrain sounds, played in a loop under each ship. Their tones complete whole cycles
// in a loop's length and their noise is crossfaded round, so the loop point cannot be heard.
#include <cmath>

#include "effects/recipe_kit.h"
#include "effects/recipes.h"
#include "synth/random.h"

namespace effects {

using synth::kPi;
using synth::Mono;

// Hover jet on tarmac: a low growling drone with a jet hiss. The game raises its rate with
// speed, up to twice the pitch at top speed, so the base is low.
Mono MakeThrust(size_t frames) {
  // Every tone completes whole cycles in each second; the loop lasts whole seconds.
  synth::Oscillator saw(synth::Wave::kSaw), pulse(synth::Wave::kPulse), sub(synth::Wave::kSine);
  Mono drone = Render(frames, [&](double t) {
    const double flutter = 0.25 * std::sin(2.0 * kPi * 6.0 * t);
    const double width = 0.3 + 0.15 * std::sin(2.0 * kPi * 2.0 * t);
    return 0.5 * saw.Next(55.0) + 0.35 * pulse.Next(111.0, width) * (1.0 + 0.2 * flutter) + 0.6 * sub.Next(55.0);
  });
  drone = Circular(drone, [](Mono& s) {
    synth::Biquad low = synth::Biquad::LowPass(700.0, 1.2);
    for (float& x : s) x = low.Process(x);
  });
  synth::PinkNoise pink(101);
  synth::StateVariableFilter band;
  Mono hiss = LoopedNoise(frames, 0.25, [&](double t) {
    const double sweep = 1100.0 + 250.0 * std::sin(2.0 * kPi * 1.0 * t);
    return band.Band(pink.Next(), sweep, 0.35);
  });
  Mono out(frames);
  for (size_t i = 0; i < frames; ++i) out[i] = drone[i] * 0.7f + hiss[i] * 0.9f;
  synth::Saturate(out, 1.6f);
  return out;
}

// Off the track: the ship skids over the electric grid, a mains buzz with sparks crackling.
Mono MakeGrid(size_t frames) {
  synth::Oscillator buzz(synth::Wave::kSquare), second(synth::Wave::kSaw);
  Mono hum = Render(frames, [&](double) { return 0.6 * buzz.Next(100.0) + 0.4 * second.Next(150.0); });
  hum = Circular(hum, [](Mono& s) {
    synth::Biquad band = synth::Biquad::BandPass(900.0, 0.8);
    synth::Biquad body = synth::Biquad::Peak(300.0, 1.0, 6.0);
    for (float& x : s) x = body.Process(band.Process(x));
  });
  // Sparks land anywhere in the loop and wrap round its end.
  Mono sparks(frames, 0.0f);
  synth::Random random(202);
  synth::WhiteNoise noise(203);
  const int count = static_cast<int>(30.0 * static_cast<double>(frames) / synth::kRate);
  for (int n = 0; n < count; ++n) {
    const size_t start = random.Next() % frames;
    const double strength = 0.3 + 0.7 * random.Uniform();
    const double tau = 0.002 + 0.006 * random.Uniform();
    const size_t length = synth::Frames(tau * 6.0);
    for (size_t i = 0; i < length; ++i) {
      const double t = static_cast<double>(i) / synth::kRate;
      sparks[(start + i) % frames] += static_cast<float>(noise.Next() * strength * synth::Decay(t, tau, 0.0003));
    }
  }
  sparks = Circular(sparks, [](Mono& s) {
    synth::Biquad high = synth::Biquad::HighPass(1800.0);
    for (float& x : s) x = high.Process(x);
  });
  Mono out(frames);
  for (size_t i = 0; i < frames; ++i) out[i] = hum[i] * 0.55f + sparks[i] * 0.8f;
  synth::Saturate(out, 1.3f);
  return out;
}

// The pit lane: the repair field charges the ship with rising whines over a steady hum.
Mono MakeRecharge(size_t frames) {
  constexpr double kSweep = 0.5;  // seconds per rising whine; a loop holds a whole number
  Phase whine, fifth, hum;
  Mono tone = Render(frames, [&](double t) {
    const double progress = std::fmod(t, kSweep) / kSweep;
    const double hz = 300.0 + 900.0 * progress;
    // The swell is the same at both ends of a whine, so the restart is smooth.
    const double swell = 0.35 + 0.65 * std::sin(kPi * progress);
    return swell * (0.5 * whine.Sine(hz) + 0.25 * fifth.Sine(hz * 1.5)) + 0.3 * hum.Sine(100.0);
  });
  synth::WhiteNoise white(301);
  synth::StateVariableFilter fizz_filter;
  Mono fizz = LoopedNoise(frames, 0.2, [&](double) { return fizz_filter.Band(white.Next(), 5000.0, 0.5); });
  Mono out(frames);
  for (size_t i = 0; i < frames; ++i) out[i] = tone[i] + fizz[i] * 0.25f;
  out = Circular(out, [](Mono& s) { synth::Echo(s, 0.125, 0.35f, 0.35f); });
  return out;
}

}  // namespace effects
