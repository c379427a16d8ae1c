#include "race/weapon_tunables.h"

#include "shell/settings.h"

namespace {
float Read(const char* key, float min, float max) { return LoadVariable(EnginePath(), key, min, max); }
int ReadInt(const char* key, float min, float max) { return static_cast<int>(Read(key, min, max)); }
}  // namespace

// In the order the loading screen reads them: pads, then laser, plasma, mine, missile,
// cannon, then the bomb.
TWeaponTunables ReadWeaponTunables() {
  TWeaponTunables t;
  t.padlife_boost = ReadInt("padlife_boost", 0, 10000);
  t.padlife_weapon = ReadInt("padlife_weapon", 0, 10000);
  t.weaponspeed_laser = Read("weaponspeed_laser", 0, 1000);
  t.weaponspeed_plasma = Read("weaponspeed_plasma", 0, 1000);
  t.weaponspeed_mine = Read("weaponspeed_mine", 0, 1000);
  t.weaponspeed_missile = Read("weaponspeed_missile", 0, 1000);
  t.weaponturn_missile = Read("weaponturn_missile", 0, 1000);
  t.weaponspeed_cannon = Read("weaponspeed_cannon", 0, 1000);
  t.weaponspeed_bomb = Read("weaponspeed_bomb", 0, 1000);
  t.weaponlife_bomb = ReadInt("weaponlife_bomb", 0, 1000);
  t.weaponradius_bomb = Read("weaponradius_bomb", 0, 1000);
  return t;
}
