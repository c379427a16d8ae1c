#include "effects/effect_catalogue.h"

#include <array>

#include "effects/recipes.h"

namespace effects {
namespace {

// Levels: explosions and crashes loudest, weapons a little below, the terrain loops (which
// every nearby ship plays at once) and the interface quieter still.
constexpr std::array<EffectRecipe, 21> kCatalogue = {{
    {"Media/Sounds/Achievement.ogg", 1.6, false, -12.0, MakeAchievement},
    {"Media/Sounds/Boost.ogg", 1.0, false, -11.0, MakeBoost},
    {"Media/Sounds/WeaponPickUp.ogg", 0.4, false, -13.0, MakeWeaponPickUp},
    {"Media/Sounds/Recharge.ogg", 2.0, true, -17.0, MakeRecharge},
    {"Media/Sounds/Thrust.ogg", 1.0, true, -17.0, MakeThrust},
    {"Media/Sounds/Explosion_Small.ogg", 0.8, false, -11.0, MakeExplosionSmall},
    {"Media/Sounds/Explosion_Medium.ogg", 1.4, false, -9.5, MakeExplosionMedium},
    {"Media/Sounds/Explosion_Large.ogg", 2.5, false, -8.0, MakeExplosionLarge},
    {"Media/Sounds/Grid.ogg", 1.5, true, -18.0, MakeGrid},
    {"Media/Sounds/Crash_Ship.ogg", 0.7, false, -11.0, MakeCrashShip},
    {"Media/Sounds/Crash_Wall.ogg", 0.6, false, -11.0, MakeCrashWall},
    {"Media/Sounds/Laser.ogg", 0.35, false, -13.0, MakeLaser},
    {"Media/Sounds/Ricochet.ogg", 0.5, false, -14.0, MakeRicochet},
    {"Media/Sounds/Plasma.ogg", 0.45, false, -13.0, MakePlasma},
    {"Media/Sounds/Mine.ogg", 0.45, false, -13.0, MakeMine},
    {"Media/Sounds/Missile.ogg", 1.0, false, -12.0, MakeMissile},
    {"Media/Sounds/Cannon.ogg", 0.6, false, -11.0, MakeCannon},
    {"Media/Sounds/Shield.ogg", 1.0, false, -13.0, MakeShield},
    {"Media/Sounds/Bomb.ogg", 0.9, false, -12.0, MakeBomb},
    {"Skin/Sounds/Click.ogg", 0.06, false, -16.0, MakeClick},
    {"Skin/Sounds/Open.ogg", 0.18, false, -17.0, MakeOpen},
}};

}  // namespace

std::span<const EffectRecipe> EffectCatalogue() { return kCatalogue; }

}  // namespace effects
