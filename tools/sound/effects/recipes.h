// One function per effect; each makes exactly `frames` samples.
#pragma once

#include "synth/signal.h"

namespace effects {

// Looping terrain sounds.
synth::Mono MakeThrust(size_t frames);
synth::Mono MakeGrid(size_t frames);
synth::Mono MakeRecharge(size_t frames);

// The ship and the race.
synth::Mono MakeBoost(size_t frames);
synth::Mono MakeWeaponPickUp(size_t frames);
synth::Mono MakeAchievement(size_t frames);
synth::Mono MakeCrashShip(size_t frames);
synth::Mono MakeCrashWall(size_t frames);

// Explosions by size: 0 small, 1 medium, 2 large.
synth::Mono MakeExplosion(size_t frames, int size);
synth::Mono MakeExplosionSmall(size_t frames);
synth::Mono MakeExplosionMedium(size_t frames);
synth::Mono MakeExplosionLarge(size_t frames);

// Weapons.
synth::Mono MakeLaser(size_t frames);
synth::Mono MakeRicochet(size_t frames);
synth::Mono MakePlasma(size_t frames);
synth::Mono MakeMine(size_t frames);
synth::Mono MakeMissile(size_t frames);
synth::Mono MakeCannon(size_t frames);
synth::Mono MakeShield(size_t frames);
synth::Mono MakeBomb(size_t frames);

// The interface.
synth::Mono MakeClick(size_t frames);
synth::Mono MakeOpen(size_t frames);

}  // namespace effects
