// The mine: dropped behind the ship, it drifts round a small circle until a ship other than
// its layer runs into it. Shots set mines off; mines never set each other off.
#include "race/car.h"
#include "race/weapon.h"
#include "shell/game_media.h"

namespace {
constexpr int kHitMine = 5;
constexpr float kHitRadius = 24;
constexpr int kEventKill = 12;
}  // namespace

TWeapon_Mine* TWeapon_Mine::Create(TCar& ship) {
  auto mine = std::make_unique<TWeapon_Mine>();
  mine->Launch(ship, ImgMine.get(), Tunables().weaponspeed_mine, SndMine.get());
  return AddToList(std::move(mine));
}

void TWeapon_Mine::Update() {
  direction += 1;
  MoveForward();
  if (TCar* ship = CheckShips(kHitRadius)) {
    CreditHit(ship->Hit(kHitMine, 0, 0), *ship, kEventKill);
    Expire(1);
  }
}
