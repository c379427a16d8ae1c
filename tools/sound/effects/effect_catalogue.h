// The sound effects the game loads, each with its length, whether the game loops it, the
// level it is mixed to and the recipe that makes it.
#pragma once

#include <span>

#include "synth/signal.h"

namespace effects {

struct EffectRecipe {
  const char* path;   // beside the program
  double seconds;     // exact length
  bool loops;         // loaded as a looping sound, so the end must run on into the start
  double loudest_db;  // level of the loudest 100 ms, before the peak ceiling
  synth::Mono (*make)(size_t frames);
};

std::span<const EffectRecipe> EffectCatalogue();

// The level no effect exceeds.
inline constexpr double kPeakCeilingDb = -1.0;

}  // namespace effects
