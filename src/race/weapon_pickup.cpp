#include "race/weapon_pickup.h"

#include "frontend/locale.h"
#include "race/car.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/random.h"

namespace {
constexpr int kSurvival = 4;
constexpr int kFirstWeapon = 1;
constexpr int kLastWeapon = 10;
// Positions above this are the last two places of twelve.
constexpr int kTrailingFrom = 10;

int DrawForSurvival(const TCar& ship) {
  int w = 0;
  do {
    w = Rand(kFirstWeapon, kLastWeapon);
  } while (w == ship.lastpickup || w == kWeaponShield);
  return w;
}

int DrawOnce(const TCar& ship) {
  int w = Rand(kFirstWeapon, kLastWeapon);
  if (ship.position == 1 && w == kWeaponShield) w = Rand(kFirstWeapon, kLastWeapon);
  if (ship.position > kTrailingFrom) {
    const int r = Rand(1, 4);
    if (r == 1 && ship.weaponshieldalpha == 0) w = kWeaponShield;
    if (r == 2) w = kWeaponTurbo;
  }
  return w;
}

bool Refused(const TCar& ship, int w) {
  return (w == kWeaponShield && ship.weaponshieldalpha > 0) || (w == kWeaponTurbo && ship.position == 1) ||
         w == ship.lastpickup;
}
}  // namespace

int DrawPickUpWeapon(const TCar& ship) {
  if (RaceType == kSurvival) return DrawForSurvival(ship);
  int w = 0;
  do {
    w = DrawOnce(ship);
  } while (Refused(ship, w));
  return w;
}

int WeaponUses(int weapon) {
  if (weapon == kWeaponCannon) return 12;
  if (weapon == kWeaponMines) return 3;
  return 1;
}

std::string WeaponPickUpName(int weapon) {
  switch (weapon) {
    case kWeaponPlasma: return TLocale::getText("Plasma");
    case kWeaponPlasma3: return TLocale::getText("Plasma") + " x 3";
    case kWeaponLaser: return TLocale::getText("Laser");
    case kWeaponLaser3: return TLocale::getText("Laser") + " x 3";
    case kWeaponMines: return TLocale::getText("Mines");
    case kWeaponMissile: return TLocale::getText("Missile");
    case kWeaponTurbo: return TLocale::getText("Turbo");
    case kWeaponCannon: return TLocale::getText("Cannon");
    case kWeaponShield: return TLocale::getText("Shield");
    case kWeaponBomb: return TLocale::getText("Bomb");
    default: return "";
  }
}

TSound* WeaponVoice(int weapon) {
  switch (weapon) {
    case kWeaponPlasma:
    case kWeaponPlasma3: return VoicePlasma.get();
    case kWeaponLaser:
    case kWeaponLaser3: return VoiceLaser.get();
    case kWeaponMines: return VoiceMines.get();
    case kWeaponMissile: return VoiceMissile.get();
    case kWeaponTurbo: return VoiceTurbo.get();
    case kWeaponCannon: return VoiceCannon.get();
    case kWeaponShield: return VoiceShield.get();
    case kWeaponBomb: return VoiceBomb.get();
    default: return nullptr;
  }
}
