// Plasma: a heavy ball with a wide hit radius that trails smoke.
#include "race/car.h"
#include "race/geometry.h"
#include "race/particle.h"
#include "race/weapon.h"
#include "shell/game_media.h"

namespace {
constexpr int kHitPlasma = 1;
constexpr float kHitRadius = 32;
constexpr int kEventKill = 10;
constexpr float kSmokeBehind = 16;
}  // namespace

TWeapon_Plasma* TWeapon_Plasma::Create(TCar& ship) {
  auto ball = std::make_unique<TWeapon_Plasma>();
  ball->Launch(ship, ImgPlasma.get(), Tunables().weaponspeed_plasma, SndPlasma.get());
  return AddToList(std::move(ball));
}

void TWeapon_Plasma::Update() {
  MoveForward();
  if (CheckWalls()) return Expire(1);
  if (TCar* ship = CheckShips(kHitRadius)) {
    CreditHit(ship->Hit(kHitPlasma, 0, 0), *ship, kEventKill);
    return Expire(1);
  }
  if (CheckMines()) return Expire(1);
  TParticle::Smoke(static_cast<int>(x + kSmokeBehind * CosDeg(direction + 180)),
                   static_cast<int>(y + kSmokeBehind * SinDeg(direction + 180)), colour, direction, speed * 0.75f,
                   1.0f);
}
