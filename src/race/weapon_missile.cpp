// The homing missile: turns towards the nearest opponent while it lies within 45 degrees of
// its heading, so a ship that turns hard enough gets away.
#include "race/car.h"
#include "race/geometry.h"
#include "race/particle.h"
#include "race/weapon.h"
#include "shell/game_media.h"

#include <cmath>

namespace {
constexpr int kHitMissile = 6;
constexpr float kHitRadius = 24;
constexpr int kEventKill = 11;
constexpr float kSmokeBehind = 32;
constexpr float kTargetRange = 9999;
constexpr float kSeekCone = 45;
}  // namespace

TWeapon_Missile* TWeapon_Missile::Create(TCar& ship) {
  auto missile = std::make_unique<TWeapon_Missile>();
  missile->Launch(ship, ImgMissile.get(), Tunables().weaponspeed_missile, SndMissile.get());
  return AddToList(std::move(missile));
}

void TWeapon_Missile::Update() {
  SeekTarget();
  MoveForward();
  if (CheckWalls()) return Expire(2);
  if (TCar* ship = CheckShips(kHitRadius)) {
    CreditHit(ship->Hit(kHitMissile, 0, 0), *ship, kEventKill);
    return Expire(3);
  }
  if (CheckMines()) return Expire(2);
  TParticle::Smoke(static_cast<int>(x + kSmokeBehind * CosDeg(direction + 180)),
                   static_cast<int>(y + kSmokeBehind * SinDeg(direction + 180)), colour, direction, speed * 0.85f,
                   1.0f);
}

// Without a living opponent there is nothing to home on, and the missile flies straight.
void TWeapon_Missile::SeekTarget() {
  const TCar* target = nullptr;
  float nearest = kTargetRange;
  for (const TCar* ship : TCar::list()) {
    if (ship->id == firedby || ship->damage >= 100) continue;
    const float distance = Distance(x, y, ship->x, ship->y);
    if (distance < nearest) {
      nearest = distance;
      target = ship;
    }
  }
  if (!target) return;
  const float d = AngleDiff(direction, AngleTo(x, y, target->x, target->y));
  if (std::fabs(d) >= kSeekCone) return;
  const float turn = Tunables().weaponturn_missile;
  direction += d < 0 ? -turn : turn;
}
