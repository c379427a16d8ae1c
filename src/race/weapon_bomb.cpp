// The bomb: spins where it was dropped and, when its fuse runs out, hits every ship near it,
// its own ship included, pushing them away. A destroyed ship's wreck goes off the same way.
#include "platform/audio_driver.h"
#include "race/car.h"
#include "race/geometry.h"
#include "race/particle.h"
#include "race/race_hooks.h"
#include "race/weapon.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "track/track.h"

namespace {
constexpr int kHitBomb = 10;
constexpr float kPush = 10;
constexpr int kEventKill = 13;
// The player's bomb destroyed a ship while the player's own ship was destroyed.
constexpr int kEventKillFromWreck = 18;
// The view stays pulled out this long after the blast.
constexpr int kZoomAfterBlast = 1500;
}  // namespace

TWeapon_Bomb* TWeapon_Bomb::Create(TCar& ship) {
  auto bomb = std::make_unique<TWeapon_Bomb>();
  bomb->Launch(ship, ImgBomb.get(), Tunables().weaponspeed_bomb, nullptr);
  const int fuse = Tunables().weaponlife_bomb;
  bomb->timer = GameTime;
  if (ship.damage == 100) {
    // A wreck: it goes off at the next update, quietly.
    bomb->timer = GameTime - fuse;
  } else if (ship.IsHuman()) {
    BombZoomEnd = GameTime + fuse + kZoomAfterBlast;
  } else {
    PlaySound(SndBomb.get(), ship.chn_MyFX)->SetVolume(ship.GetVolume());
  }
  return AddToList(std::move(bomb));
}

void TWeapon_Bomb::Update() {
  direction -= 1;
  if (GameTime > timer + Tunables().weaponlife_bomb) Blast();
}

void TWeapon_Bomb::Blast() {
  TCar* owner = TCar::SelectById(firedby);
  const float radius = Tunables().weaponradius_bomb;
  for (TCar* ship : TCar::list()) {
    if (ship->damage >= 100 || Distance(x, y, ship->x, ship->y) >= radius) continue;
    const float a = AngleTo(x, y, ship->x, ship->y);
    const int destroyed = ship->Hit(kHitBomb, kPush * CosDeg(a), kPush * SinDeg(a));
    // Blowing up its own ship earns the owner nothing.
    if (!destroyed || !owner || ship == owner) continue;
    if (owner->IsHuman()) {
      CheckAchievement(kEventKill);
      if (owner->damage >= 100) CheckAchievement(kEventKillFromWreck);
    }
    owner->AddKill();
  }
  const bool ownerDestroyed = owner && owner->damage >= 100;
  TSound* blast = ownerDestroyed ? SndExplosionLarge.get() : SndExplosionMedium.get();
  PlaySound(blast, Channel5)->SetVolume(FxVolume);
  TParticle::Ring(static_cast<int>(x), static_cast<int>(y), colour, 1.0f);
  Expire(3);
}
