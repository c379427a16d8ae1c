// Ships set up by hand on an empty track, fixed weapon numbers, recorded sounds and
// achievement events: enough to fly weapons without the database or any media.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/audio_channel.h"
#include "race/car.h"
#include "race/particle.h"
#include "race/race_hooks.h"
#include "race/race_tunables.h"
#include "race/screen_message.h"
#include "race/weapon.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/random.h"
#include "track/track.h"

// A sound that counts how often it was started and remembers the volume it was given.
class CountingSound : public TSound {
 public:
  class Channel : public TChannel {
   public:
    void Stop() override {}
    void SetPaused(int) override {}
    void SetVolume(float v) override { volume = v; }
    void SetPan(float) override {}
    void SetDepth(float) override {}
    void SetRate(float) override {}
    int Playing() override { return 0; }
    float volume = -1;
  };
  TChannel* Play(TChannel*) override {
    ++plays;
    return &channel;
  }
  TChannel* Cue(TChannel* c) override { return c; }
  int plays = 0;
  Channel channel;
};

class WeaponTest : public testing::Test {
 protected:
  void SetUp() override {
    TWeapon::ClearAll();
    TCar::list().clear();
    CarStore().clear();
    Track = TTrack::Create();
    Track->totallaps = 3;
    Track->mode = 2;
    TWeapon::Tunables() = Tune();
    RaceTune.weapondamage_laser = 6;
    RaceTune.weapondamage_plasma = 9;
    RaceTune.weapondamage_cannon = 12;
    RaceTune.weapondamage_missile = 35;
    RaceTune.weapondamage_mine = 25;
    RaceTune.weapondamage_bomb = 50;
    RaceType = 1;
    GameTime = 100000;
    FxVolume = 1;
    BombZoomEnd = 0;
    SoundQueue.clear();
    TParticle::list().clear();
    TScreenMessage::list().clear();
    SeedRnd(11);
    RaceHooks.checkAchievement = [this](int event) { events_.push_back(event); };
    for (SoundPtr* sound : {&SndBomb, &SndBoost, &SndWeaponPickUp, &SndRicochet, &SndExplosionMedium,
                            &SndExplosionLarge, &SndLaser, &SndCannon, &SndMine, &SndShield}) {
      *sound = std::make_unique<CountingSound>();
    }
  }
  void TearDown() override {
    TWeapon::ClearAll();
    TCar::list().clear();
    CarStore().clear();
    Track.reset();
    RaceHooks.checkAchievement = nullptr;
    SoundQueue.clear();
    for (SoundPtr* sound : {&SndBomb, &SndBoost, &SndWeaponPickUp, &SndRicochet, &SndExplosionMedium,
                            &SndExplosionLarge, &SndLaser, &SndCannon, &SndMine, &SndShield}) {
      sound->reset();
    }
    RaceType = 0;
  }

  static TWeaponTunables Tune() {
    TWeaponTunables t;
    t.weaponspeed_cannon = 18;
    t.weaponspeed_laser = 20;
    t.weaponspeed_plasma = 16;
    t.weaponspeed_missile = 12;
    t.weaponspeed_mine = 0;
    t.weaponspeed_bomb = 6;
    t.weaponturn_missile = 4;
    t.weaponlife_bomb = 1000;
    t.weaponradius_bomb = 200;
    t.padlife_boost = 3000;
    t.padlife_weapon = 5000;
    return t;
  }

  // A living computer ship with shield 1, so that damage arrives unchanged.
  TCar& AddShip(int id, float x, float y, float direction = 0) {
    CarStore().push_back(std::make_unique<TCar>());
    TCar& ship = *CarStore().back();
    ship.id = id;
    ship.x = ship.oldx = x;
    ship.y = ship.oldy = y;
    ship.direction = direction;
    ship.shield = 1;
    ship.lapscomplete = 0;
    ship.position = static_cast<int>(TCar::list().size()) + 1;
    ship.colour = "$FF00FF00";
    TCar::list().push_back(&ship);
    return ship;
  }

  // A straight wall from (x1, y1) to (x2, y2).
  void AddWall(int x1, int y1, int x2, int y2) {
    Track->l_wallpoints.push_back(TWayPoint::Create(0, x1, y1));
    Track->l_wallpoints.push_back(TWayPoint::Create(1, x2, y2));
  }

  // One simulation step of the weapons, 16 ms on.
  void Step(int count = 1) {
    for (int k = 0; k < count; ++k) {
      GameTime += 16;
      TWeapon::UpdateAll();
    }
  }

  static int Plays(const SoundPtr& sound) { return static_cast<CountingSound*>(sound.get())->plays; }

  template <class W>
  static int Count() {
    int n = 0;
    for (const auto& w : TWeapon::list()) n += dynamic_cast<W*>(w.get()) != nullptr;
    return n;
  }

  std::vector<int> events_;
};
