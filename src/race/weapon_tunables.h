// The weapon and pad numbers of Engine.ini. The damage keys belong to TCar::Hit and live
// with the other race tunables.
#pragma once

struct TWeaponTunables {
  // World pixels per update.
  float weaponspeed_cannon = 0, weaponspeed_laser = 0, weaponspeed_plasma = 0;
  float weaponspeed_missile = 0, weaponspeed_mine = 0, weaponspeed_bomb = 0;
  // Degrees per update.
  float weaponturn_missile = 0;
  // The bomb's fuse in ms and its blast radius in world pixels.
  int weaponlife_bomb = 0;
  float weaponradius_bomb = 0;
  // How long a used pad stays faded, in ms.
  int padlife_boost = 0, padlife_weapon = 0;
};

// Reads every key once, clamped into its range (a missing key gives the range minimum).
TWeaponTunables ReadWeaponTunables();
