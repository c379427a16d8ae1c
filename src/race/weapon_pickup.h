// What a weapon pad hands out: the draw by race type and position, and the names, voices
// and uses of each weapon number (1 plasma, 2 plasma x 3, 3 laser, 4 laser x 3, 5 mines,
// 6 missile, 7 turbo, 8 cannon, 9 shield, 10 bomb).
#pragma once

#include <string>

class TCar;
class TSound;

inline constexpr int kWeaponPlasma = 1;
inline constexpr int kWeaponPlasma3 = 2;
inline constexpr int kWeaponLaser = 3;
inline constexpr int kWeaponLaser3 = 4;
inline constexpr int kWeaponMines = 5;
inline constexpr int kWeaponMissile = 6;
inline constexpr int kWeaponTurbo = 7;
inline constexpr int kWeaponCannon = 8;
inline constexpr int kWeaponShield = 9;
inline constexpr int kWeaponBomb = 10;

// A weapon for the ship: never the one it picked up last; in survival never the shield; the
// leader never gets the turbo and seldom the shield; the last two places get the shield or
// the turbo more often; nobody gets a second shield while one is up.
int DrawPickUpWeapon(const TCar& ship);
// Shots a pick-up gives: 12 for the cannon, 3 mines, otherwise 1.
int WeaponUses(int weapon);
// The name the player reads, localized, with " x 3" for the triple weapons.
std::string WeaponPickUpName(int weapon);
// The spoken name; null for a number that is no weapon.
TSound* WeaponVoice(int weapon);
