// Ships and a track made by hand for the race tests: no database, no media. The track's
// only tile is 256 x 256 pixels of a chosen surface, so every cell reads the same.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "race/car.h"
#include "race/race_control.h"
#include "race/race_hooks.h"
#include "race/race_tunables.h"
#include "shell/game_state.h"
#include "track/tile_set.h"
#include "track/track.h"

// Pattern colours: road grey, the pit lane's green, black off the track.
inline constexpr uint32_t kRoad = 0xFF808080u, kPitGreen = 0xFF00FF00u, kOffTrack = 0xFF000000u;

class RaceTest : public testing::Test {
 protected:
  void SetUp() override {
    UpdatesPerSecond = 60;
    GameSpeed = 60;
    UpdateInterval = 16;
    RaceType = 1;
    Difficulty = 2;
    GameTime = 100000;
    ScreenW = 800;
    ScreenH = 600;
    RaceTune = TRaceTunables{};
    RaceTune.topspeed_standard = 9;
    RaceTune.fric_tarmac = 0.99f;
    RaceTune.fric_gravel = 0.95f;
    RaceTune.fric_pitlane = 0.97f;
    RaceTune.drift = 0.9f;
    RaceTune.damage_track = 0.2f;
    RaceTune.damage_wall = 1;
    RaceTune.damage_cars = 1;
    RaceTune.comspeed_easy = RaceTune.comspeed_normal = RaceTune.comspeed_hard = 3000;
    Track = TTrack::Create();
    Track->tileset = std::make_shared<TTileSet>();
    Track->mode = 2;
    Track->racestatus = 1;
    Track->totallaps = 3;
    SetSurface(kRoad);
    TCar::CompareMode = 0;
    TCar::FinishHandover = 1;
  }

  void TearDown() override {
    TCar::list().clear();
    CarStore().clear();
    Track.reset();
    RaceType = 1;
  }

  // Every cell of level 1 holds the one tile, whose pattern is all colour.
  void SetSurface(uint32_t colour) {
    auto tile = std::make_unique<TTile>();
    tile->name = "Track_01.png";
    tile->imgpat = std::make_unique<TPixmap>(256, 256, kPixelRGB888);
    tile->imgpat->ClearPixels(colour);
    Track->tileset->tracktile_array.clear();
    Track->tileset->tracktile_array.push_back(std::move(tile));
    for (auto& column : Track->tile_level[1]) {
      for (auto& cell : column) cell = TTileData{0, 0, -1, -1, 0};
    }
  }

  // A computer ship with plain stats, at (x, y) facing +x, appended to the ship list.
  TCar& AddShip(float x = 1000, float y = 1000, int controller = 0) {
    auto ship = std::make_unique<TCar>();
    ship->id = static_cast<int>(TCar::list().size()) + 1;
    ship->name = "Ship" + std::to_string(ship->id);
    ship->controller = controller;
    ship->x = ship->oldx = x;
    ship->y = ship->oldy = y;
    ship->topspeed = 10;
    ship->accel = 0.1;
    ship->handling = 3;
    ship->shield = 1;
    ship->position = ship->id;
    ship->randno = ship->id;
    TCar& ref = *ship;
    TCar::list().push_back(ship.get());
    CarStore().push_back(std::move(ship));
    return ref;
  }
};
