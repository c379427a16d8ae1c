// The cannon: a straight shell that bursts on the first wall, ship or mine it meets.
#include "race/car.h"
#include "race/weapon.h"
#include "shell/game_media.h"

namespace {
constexpr int kHitCannon = 8;
constexpr float kHitRadius = 24;
constexpr int kEventKill = 8;
}  // namespace

TWeapon_Cannon* TWeapon_Cannon::Create(TCar& ship) {
  auto shell = std::make_unique<TWeapon_Cannon>();
  shell->Launch(ship, ImgCannon.get(), Tunables().weaponspeed_cannon, SndCannon.get());
  return AddToList(std::move(shell));
}

void TWeapon_Cannon::Update() {
  MoveForward();
  if (CheckWalls()) return Expire(2);
  if (TCar* ship = CheckShips(kHitRadius)) {
    CreditHit(ship->Hit(kHitCannon, 0, 0), *ship, kEventKill);
    return Expire(2);
  }
  if (CheckMines()) Expire(2);
}
