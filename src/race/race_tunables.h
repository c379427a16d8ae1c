// The driving, damage and collision tunables of Engine.ini, read once when the ships are made
// and again when a race is prepared, so that no update reads a file.
#pragma once

struct TRaceTunables {
  float shield_standard = 0, handling_standard = 0, accel_standard = 0, topspeed_standard = 0;
  float drift = 0, fric_tarmac = 0, fric_gravel = 0, fric_pitlane = 0;
  float damage_track = 0, damage_wall = 0, damage_cars = 0;
  float comspeed_easy = 500, comspeed_normal = 500, comspeed_hard = 500;
  float weapondamage_plasma = 0, weapondamage_laser = 0, weapondamage_mine = 0, weapondamage_missile = 0,
        weapondamage_cannon = 0, weapondamage_bomb = 0;
  float collisioncheckdist_front = 0, collisionangle_front = 0, collisionsize_front = 0;
  float collisioncheckdist_side = 0, collisionangle_side = 0, collisionsize_side = 0;
  int showcollcircles = 0;
};

extern TRaceTunables RaceTune;

void LoadRaceTunables();
