#include "race/race_tunables.h"

#include <string>

#include "shell/settings.h"

TRaceTunables RaceTune;

namespace {
float Read(const char* key, float min, float max) { return LoadVariable(EnginePath(), key, min, max); }
}  // namespace

void LoadRaceTunables() {
  TRaceTunables& t = RaceTune;
  t.shield_standard = Read("shield_standard", 0, 10);
  t.handling_standard = Read("handling_standard", 0, 10);
  t.accel_standard = Read("accel_standard", 0, 1);
  t.topspeed_standard = Read("topspeed_standard", 5, 15);
  t.drift = Read("drift", 0, 1);
  t.fric_tarmac = Read("fric_tarmac", 0, 1);
  t.fric_gravel = Read("fric_gravel", 0, 1);
  t.fric_pitlane = Read("fric_pitlane", 0, 1);
  t.damage_cars = Read("damage_cars", 0.1f, 10);
  t.damage_wall = Read("damage_wall", 0.1f, 10);
  t.damage_track = Read("damage_track", 0.1f, 10);
  t.comspeed_easy = Read("comspeed_easy", 500, 10000);
  t.comspeed_normal = Read("comspeed_normal", 500, 10000);
  t.comspeed_hard = Read("comspeed_hard", 500, 10000);
  t.weapondamage_laser = Read("weapondamage_laser", 0, 1000);
  t.weapondamage_plasma = Read("weapondamage_plasma", 0, 1000);
  t.weapondamage_mine = Read("weapondamage_mine", 0, 1000);
  t.weapondamage_missile = Read("weapondamage_missile", 0, 1000);
  t.weapondamage_cannon = Read("weapondamage_cannon", 0, 1000);
  t.weapondamage_bomb = Read("weapondamage_bomb", 0, 1000);
  t.showcollcircles = static_cast<int>(Read("showcollcircles", 0, 1));
  t.collisioncheckdist_front = Read("collisioncheckdist_front", 0, 100);
  t.collisionangle_front = Read("collisionangle_front", 0, 360);
  t.collisionsize_front = Read("collisionsize_front", 0, 100);
  t.collisioncheckdist_side = Read("collisioncheckdist_side", 0, 100);
  t.collisionangle_side = Read("collisionangle_side", 0, 360);
  t.collisionsize_side = Read("collisionsize_side", 0, 100);
}
