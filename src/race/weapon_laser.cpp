// The laser: a bolt that bounces off walls a few times (more in survival races).
#include "platform/audio_driver.h"
#include "race/car.h"
#include "race/weapon.h"
#include "shell/game_media.h"
#include "shell/game_state.h"

namespace {
constexpr int kHitLaser = 3;
constexpr float kHitRadius = 24;
constexpr int kEventKill = 9;
constexpr int kSurvival = 4;
// Bounces a bolt survives before it fades.
constexpr int kBounces = 4;
constexpr int kBouncesSurvival = 10;
}  // namespace

TWeapon_Laser* TWeapon_Laser::Create(TCar& ship) {
  auto bolt = std::make_unique<TWeapon_Laser>();
  bolt->Launch(ship, ImgLaser.get(), Tunables().weaponspeed_laser, SndLaser.get());
  return AddToList(std::move(bolt));
}

void TWeapon_Laser::Update() {
  MoveForward();
  if (CheckWalls()) {
    bouncecount += 1;
    PlaySound(SndRicochet.get(), Channel1)->SetVolume(GetVolume());
    if (bouncecount > (RaceType == kSurvival ? kBouncesSurvival : kBounces)) return Expire(2);
  }
  if (TCar* ship = CheckShips(kHitRadius)) {
    CreditHit(ship->Hit(kHitLaser, 0, 0), *ship, kEventKill);
    return Expire(2);
  }
  if (CheckMines()) Expire(2);
}
