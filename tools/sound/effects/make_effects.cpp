// Writes every sound effect under the folder given: make_effects GAME_DIR
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "effects/effect_catalogue.h"
#include "effects/recipe_kit.h"
#include "synth/levels.h"
#include "synth/ogg_writer.h"

namespace {

// Lopsided waves leave a constant offset that only wastes headroom; a loop is filtered as
// though it had been playing, so its seam stays whole.
void RemoveOffset(synth::Mono& signal, bool loops) {
  auto high_pass = [](synth::Mono& s) {
    synth::Biquad filter = synth::Biquad::HighPass(25.0);
    for (float& x : s) x = filter.Process(x);
  };
  if (loops) signal = effects::Circular(signal, high_pass);
  else high_pass(signal);
}

// Brings the loudest 100 ms to the recipe's level. Peaks that would then pass the ceiling
// are rounded off by a soft limiter; only a sound whose peaks stand far above its body
// (more than 6 dB over) is turned down instead.
void Balance(synth::Mono& signal, double loudest_db) {
  const synth::Levels levels = synth::Measure(signal);
  if (levels.peak_db <= -119.0) return;
  constexpr double kMostLimiting = 6.0;
  const double gain_db = std::min(loudest_db - levels.loudest_db, effects::kPeakCeilingDb + kMostLimiting - levels.peak_db);
  synth::Scale(signal, static_cast<float>(synth::DbToGain(gain_db)));
  if (levels.peak_db + gain_db <= effects::kPeakCeilingDb) return;
  // Untouched below half the ceiling, bent smoothly towards the ceiling above it.
  const auto ceiling = static_cast<float>(synth::DbToGain(effects::kPeakCeilingDb));
  const float knee = ceiling * 0.5f;
  for (float& sample : signal) {
    const float size = std::fabs(sample);
    if (size <= knee) continue;
    const float bent = knee + (ceiling - knee) * std::tanh((size - knee) / (ceiling - knee));
    sample = std::copysign(bent, sample);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_effects GAME_DIR\n");
    return 2;
  }
  const std::string root = std::string(argv[1]) + "/";
  int failures = 0;
  for (const effects::EffectRecipe& recipe : effects::EffectCatalogue()) {
    const size_t frames = synth::Frames(recipe.seconds);
    synth::Mono signal = recipe.make(frames);
    signal.resize(frames, 0.0f);
    RemoveOffset(signal, recipe.loops);
    Balance(signal, recipe.loudest_db);
    std::printf("%s\n", synth::LevelReport(recipe.path, synth::Measure(signal), recipe.seconds).c_str());
    if (!synth::WriteBytes(root + recipe.path, synth::EncodeVorbis(signal, synth::VorbisSettings{}))) ++failures;
  }
  return failures == 0 ? 0 : 1;
}
