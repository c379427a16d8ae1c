// A ship's side of the weapons: firing what it carries and driving over the pads.
#include <algorithm>

#include "platform/audio_driver.h"
#include "race/car.h"
#include "race/geometry.h"
#include "race/screen_message.h"
#include "race/weapon.h"
#include "race/weapon_pickup.h"
#include "shell/announcements.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "track/track.h"

namespace {
// Mines and bombs are dropped at most this often, cannon shells fired at most this often.
constexpr int kDropInterval = 250;
constexpr int kCannonInterval = 100;
// A weapon used this recently keeps the ship from taking another one.
constexpr int kPickUpAfterShot = 250;
constexpr float kTripleLaserSpread = 15;
constexpr float kTriplePlasmaSpread = 6;
constexpr float kTurboCharge = 100;
constexpr float kShieldStrength = 40;
// Pads: tile 0 boosts, tile 1 hands out weapons; the ship must come this close.
constexpr int kBoostPad = 0;
constexpr int kWeaponPad = 1;
constexpr float kPadReach = 24;
constexpr float kBoostPerPad = 80;
constexpr float kMostBoost = 200;
constexpr int kPickUpMessageTime = 1500;
constexpr float kPickUpMessageScale = 0.75f;

template <class W>
void FireSpread(TCar& ship, float spread) {
  const float d = ship.direction;
  for (float turn : {0.0f, -spread, spread}) {
    ship.direction = d + turn;
    W::Create(ship);
  }
  ship.direction = d;
}

void PlayOnShip(TSound* sound, const TCar& ship) {
  if (sound) PlaySound(sound, ship.chn_MyFX)->SetVolume(ship.GetVolume());
}

// Everything but the turbo and the shield counts as a shot, refused attempts included.
bool CountsAsShot(int weapon) {
  return (weapon >= kWeaponPlasma && weapon <= kWeaponMissile) || weapon == kWeaponCannon || weapon == kWeaponBomb;
}

// The shortest time between two uses; 0 for none.
int UseInterval(int weapon) {
  if (weapon == kWeaponMines || weapon == kWeaponBomb) return kDropInterval;
  if (weapon == kWeaponCannon) return kCannonInterval;
  return 0;
}

bool UsedWithin(const TCar& ship, int interval) { return GameTime - ship.lastweaponshot < interval; }

void UseWeapon(TCar& ship) {
  switch (ship.weapon) {
    case kWeaponPlasma: TWeapon_Plasma::Create(ship); break;
    case kWeaponPlasma3: FireSpread<TWeapon_Plasma>(ship, kTriplePlasmaSpread); break;
    case kWeaponLaser: TWeapon_Laser::Create(ship); break;
    case kWeaponLaser3: FireSpread<TWeapon_Laser>(ship, kTripleLaserSpread); break;
    case kWeaponMines: TWeapon_Mine::Create(ship); break;
    case kWeaponMissile: TWeapon_Missile::Create(ship); break;
    case kWeaponTurbo:
      ship.kers = kTurboCharge;
      PlayOnShip(SndBoost.get(), ship);
      break;
    case kWeaponCannon: TWeapon_Cannon::Create(ship); break;
    case kWeaponShield:
      ship.weaponshieldalpha = kShieldStrength;
      PlayOnShip(SndShield.get(), ship);
      break;
    case kWeaponBomb: TWeapon_Bomb::Create(ship); break;
    default: break;
  }
}

// Announces the weapon to the player: its voice and its name in the middle of the screen.
void AnnouncePickUp(int w) {
  TScreenMessage::ClearAll();
  QueueAnnouncement(WeaponVoice(w));
  TScreenMessage::Create(ScreenW / 2, ScreenH - 100, WeaponPickUpName(w), kPickUpMessageTime, kPickUpMessageScale);
}
}  // namespace

void TCar::FireWeapon() {
  if (weapon == 0) return;
  if (CountsAsShot(weapon)) shotsfired += 1;
  const int interval = UseInterval(weapon);
  if (interval > 0 && UsedWithin(*this, interval)) return;
  UseWeapon(*this);
  lastweaponshot = GameTime;
  weaponcount -= 1;
  // Also when the count was already spent, so a weapon can never be used for ever.
  if (weaponcount <= 0) weapon = 0;
}

void TCar::CheckPickUps() {
  if (RaceIsOver() || !Track) return;
  const TWeaponTunables& tune = TWeapon::Tunables();
  for (TTileData& pad : Track->l_objects) {
    if (pad.life >= GameTime) continue;
    if (Distance(x, y, static_cast<float>(pad.parentx), static_cast<float>(pad.parenty)) >= kPadReach) continue;
    TSound* sound = nullptr;
    if (pad.id == kBoostPad) {
      kers = std::min(kers + kBoostPerPad, kMostBoost);
      pad.life = GameTime + tune.padlife_boost;
      sound = SndBoost.get();
    } else if (pad.id == kWeaponPad) {
      // A ship that carries a weapon, or has only just used one, leaves the pad for others.
      if (weapon != 0 || GameTime - lastweaponshot < kPickUpAfterShot) return;
      pad.life = GameTime + tune.padlife_weapon;
      sound = SndWeaponPickUp.get();
      const int w = DrawPickUpWeapon(*this);
      weapon = lastpickup = w;
      weaponcount = WeaponUses(w);
      if (IsHuman()) AnnouncePickUp(w);
    }
    PlayOnShip(sound, *this);
  }
}
