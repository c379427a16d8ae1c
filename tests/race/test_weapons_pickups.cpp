// TCar::CheckPickUps and the weapon draw: pads, recharge times, what each place gets, and
// the player's message and voice.
#include <array>

#include "frontend/locale.h"
#include "race/weapon_pickup.h"
#include "test_weapons_fixture.h"

namespace {
constexpr int kBoostTile = 0;
constexpr int kWeaponTile = 1;
}  // namespace

class PickUpTest : public WeaponTest {
 protected:
  void SetUp() override {
    WeaponTest::SetUp();
    // AddPad hands out references into the list: keep it from moving.
    Track->l_objects.reserve(16);
  }

  TTileData& AddPad(int tile, int x, int y) {
    TTileData pad;
    pad.id = tile;
    pad.parentx = x;
    pad.parenty = y;
    Track->l_objects.push_back(pad);
    return Track->l_objects.back();
  }

  // How often each weapon number comes out of n draws for a ship in that place.
  static std::array<int, 11> Draws(TCar& ship, int position, int n) {
    std::array<int, 11> counts{};
    ship.position = position;
    for (int k = 0; k < n; ++k) {
      ship.lastpickup = 0;
      counts.at(static_cast<size_t>(DrawPickUpWeapon(ship)))++;
    }
    return counts;
  }
};

TEST_F(PickUpTest, ShipCarryingAWeaponLeavesThePadActiveAndSilent) {
  TCar& ship = AddShip(1, 500, 500);
  ship.weapon = kWeaponMissile;
  ship.weaponcount = 1;
  TTileData& pad = AddPad(kWeaponTile, 510, 500);
  ship.CheckPickUps();
  EXPECT_EQ(pad.life, 0);
  EXPECT_EQ(ship.weapon, kWeaponMissile);
  EXPECT_EQ(Plays(SndWeaponPickUp), 0);
}

TEST_F(PickUpTest, ShipThatJustFiredWaitsBeforeTakingAnotherWeapon) {
  TCar& ship = AddShip(1, 500, 500);
  ship.lastweaponshot = GameTime - 249;
  TTileData& pad = AddPad(kWeaponTile, 500, 500);
  ship.CheckPickUps();
  EXPECT_EQ(ship.weapon, 0);
  GameTime += 1;
  ship.CheckPickUps();
  EXPECT_NE(ship.weapon, 0);
  EXPECT_EQ(pad.life, GameTime + 5000);
}

TEST_F(PickUpTest, WeaponPadGivesAWeaponWithItsUsesAndRecharges) {
  TCar& ship = AddShip(1, 500, 500);
  TTileData& pad = AddPad(kWeaponTile, 520, 510);  // 22.4 away: in reach
  ship.CheckPickUps();
  ASSERT_NE(ship.weapon, 0);
  EXPECT_EQ(ship.lastpickup, ship.weapon);
  EXPECT_EQ(ship.weaponcount, WeaponUses(ship.weapon));
  EXPECT_EQ(pad.life, GameTime + 5000);
  EXPECT_EQ(Plays(SndWeaponPickUp), 1);
  // A computer ship gets no message and no voice.
  EXPECT_TRUE(SoundQueue.empty());
  EXPECT_TRUE(TScreenMessage::list().empty());
  // Recharging: the next ship over it gets nothing until the pad's time has passed.
  TCar& next = AddShip(2, 520, 510);
  next.CheckPickUps();
  EXPECT_EQ(next.weapon, 0);
  GameTime = pad.life + 1;
  next.CheckPickUps();
  EXPECT_NE(next.weapon, 0);
}

TEST_F(PickUpTest, PadsOutOfReachOrOfOtherTilesDoNothing) {
  TCar& ship = AddShip(1, 500, 500);
  AddPad(kWeaponTile, 524, 500);
  AddPad(2, 500, 500);
  ship.CheckPickUps();
  EXPECT_EQ(ship.weapon, 0);
  EXPECT_FLOAT_EQ(ship.kers, 0);
}

TEST_F(PickUpTest, BoostPadsChargeUpTo200AndEachPlaysItsSound) {
  TCar& ship = AddShip(1, 500, 500);
  ship.kers = 90;
  TTileData& first = AddPad(kBoostTile, 500, 500);
  TTileData& second = AddPad(kBoostTile, 505, 500);
  ship.CheckPickUps();
  EXPECT_FLOAT_EQ(ship.kers, 200);
  EXPECT_EQ(first.life, GameTime + 3000);
  EXPECT_EQ(second.life, GameTime + 3000);
  EXPECT_EQ(Plays(SndBoost), 2);
}

TEST_F(PickUpTest, ShipWhoseRaceIsOverTakesNothing) {
  TCar& ship = AddShip(1, 500, 500);
  ship.lapscomplete = Track->totallaps;
  TTileData& pad = AddPad(kBoostTile, 500, 500);
  ship.CheckPickUps();
  EXPECT_EQ(pad.life, 0);
  EXPECT_FLOAT_EQ(ship.kers, 0);
}

TEST_F(PickUpTest, PlayerHearsAndReadsTheWeaponsName) {
  TLocale::Clear();
  TLocale::AddText("Laser", "Laserstrahl", "", 0);
  TCar& player = AddShip(1, 500, 500);
  player.controller = 1;
  AddPad(kWeaponTile, 500, 500);
  TScreenMessage::Create(10, 10, "old", 5000, 1);
  // Draw until a triple laser comes out: its name carries " x 3".
  for (int k = 0; k < 200 && player.weapon != kWeaponLaser3; ++k) {
    player.weapon = 0;
    Track->l_objects.front().life = 0;
    SoundQueue.clear();
    player.CheckPickUps();
  }
  ASSERT_EQ(player.weapon, kWeaponLaser3);
  EXPECT_EQ(SoundQueue.size(), 1u);
  ASSERT_EQ(TScreenMessage::list().size(), 1u);
  const TScreenMessage& message = TScreenMessage::list().front();
  EXPECT_EQ(message.message, "Laserstrahl x 3");
  EXPECT_EQ(message.x, ScreenW / 2);
  EXPECT_EQ(message.y, ScreenH - 100);
  EXPECT_EQ(message.finishtime - message.starttime, 1500);
  EXPECT_FLOAT_EQ(message.scl, 0.75f);
  TLocale::Clear();
}

TEST_F(PickUpTest, NeverTheSameWeaponTwiceInARow) {
  TCar& ship = AddShip(1, 500, 500);
  for (int k = 0; k < 500; ++k) {
    const int before = ship.lastpickup;
    const int w = DrawPickUpWeapon(ship);
    ASSERT_NE(w, before);
    ASSERT_GE(w, 1);
    ASSERT_LE(w, 10);
    ship.lastpickup = w;
  }
}

TEST_F(PickUpTest, LeaderNeverDrawsTheTurbo) {
  TCar& ship = AddShip(1, 500, 500);
  const auto counts = Draws(ship, 1, 3000);
  EXPECT_EQ(counts[kWeaponTurbo], 0);
  // and draws the shield only about half as often as the other weapons
  EXPECT_LT(counts[kWeaponShield], counts[kWeaponMissile] * 3 / 4);
}

TEST_F(PickUpTest, LastTwoPlacesGetTheShieldOrTheTurboMoreOften) {
  TCar& ship = AddShip(1, 500, 500);
  const auto middle = Draws(ship, 6, 3000);
  for (int place : {11, 12}) {
    const auto behind = Draws(ship, place, 3000);
    const int help = behind[kWeaponShield] + behind[kWeaponTurbo];
    EXPECT_GT(help, 2 * (middle[kWeaponShield] + middle[kWeaponTurbo])) << "place " << place;
    EXPECT_GT(help, 3000 / 2) << "place " << place;
  }
}

TEST_F(PickUpTest, NoSecondShieldWhileOneIsUp) {
  TCar& ship = AddShip(1, 500, 500);
  ship.weaponshieldalpha = 10;
  for (int place : {1, 6, 12}) EXPECT_EQ(Draws(ship, place, 1000)[kWeaponShield], 0) << "place " << place;
}

TEST_F(PickUpTest, SurvivalNeverHandsOutTheShield) {
  RaceType = 4;
  TCar& ship = AddShip(1, 500, 500);
  const auto counts = Draws(ship, 12, 2000);
  EXPECT_EQ(counts[kWeaponShield], 0);
  EXPECT_GT(counts[kWeaponTurbo], 0);
}
