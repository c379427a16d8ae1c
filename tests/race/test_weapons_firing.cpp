// TCar::FireWeapon: what each weapon number does, the rate limits and the shot counter.
#include "race/weapon_pickup.h"
#include "test_weapons_fixture.h"

using FireTest = WeaponTest;

struct RateCase {
  int weapon;
  int interval;
  const char* name;
};

class FireRateTest : public WeaponTest, public testing::WithParamInterface<RateCase> {};

// A refused attempt still counts as a shot but leaves the weapon, its count and its time.
TEST_P(FireRateTest, RefusesAttemptsWithinTheIntervalButCountsThem) {
  TCar& ship = AddShip(1, 500, 500);
  ship.weapon = GetParam().weapon;
  ship.weaponcount = 3;
  ship.FireWeapon();
  const int firedAt = GameTime;
  EXPECT_EQ(ship.lastweaponshot, firedAt);
  GameTime += GetParam().interval - 1;
  ship.FireWeapon();
  EXPECT_EQ(TWeapon::list().size(), 1u);
  EXPECT_EQ(ship.weaponcount, 2);
  EXPECT_EQ(ship.lastweaponshot, firedAt);
  EXPECT_EQ(ship.shotsfired, 2);
  GameTime += 1;
  ship.FireWeapon();
  EXPECT_EQ(TWeapon::list().size(), 2u);
  EXPECT_EQ(ship.weaponcount, 1);
  EXPECT_EQ(ship.shotsfired, 3);
}

INSTANTIATE_TEST_SUITE_P(Weapons, FireRateTest,
                         testing::Values(RateCase{kWeaponMines, 250, "mines"}, RateCase{kWeaponBomb, 250, "bomb"},
                                         RateCase{kWeaponCannon, 100, "cannon"}),
                         [](const testing::TestParamInfo<RateCase>& c) { return std::string(c.param.name); });

TEST_F(FireTest, TripleWeaponsFanOutAndLeaveTheShipsHeading) {
  struct Case {
    int weapon;
    float spread;
  };
  for (const Case c : {Case{kWeaponPlasma3, 6}, Case{kWeaponLaser3, 15}}) {
    TCar& ship = AddShip(1, 500, 500, 30);
    ship.weapon = c.weapon;
    ship.weaponcount = 1;
    ship.FireWeapon();
    ASSERT_EQ(TWeapon::list().size(), 3u);
    EXPECT_FLOAT_EQ(TWeapon::list()[0]->direction, 30);
    EXPECT_FLOAT_EQ(TWeapon::list()[1]->direction, 30 - c.spread);
    EXPECT_FLOAT_EQ(TWeapon::list()[2]->direction, 30 + c.spread);
    EXPECT_FLOAT_EQ(ship.direction, 30);
    EXPECT_EQ(ship.shotsfired, 1);
    EXPECT_EQ(ship.weapon, 0);
    TWeapon::ClearAll();
  }
}

TEST_F(FireTest, EachWeaponNumberMakesItsWeapon) {
  TCar& ship = AddShip(1, 500, 500);
  const auto fire = [&](int weapon) {
    TWeapon::ClearAll();
    ship.weapon = weapon;
    ship.weaponcount = 1;
    GameTime += 1000;
    ship.FireWeapon();
    return TWeapon::list().empty() ? nullptr : TWeapon::list().front().get();
  };
  EXPECT_NE(dynamic_cast<TWeapon_Plasma*>(fire(kWeaponPlasma)), nullptr);
  EXPECT_NE(dynamic_cast<TWeapon_Laser*>(fire(kWeaponLaser)), nullptr);
  EXPECT_NE(dynamic_cast<TWeapon_Mine*>(fire(kWeaponMines)), nullptr);
  EXPECT_NE(dynamic_cast<TWeapon_Missile*>(fire(kWeaponMissile)), nullptr);
  EXPECT_NE(dynamic_cast<TWeapon_Cannon*>(fire(kWeaponCannon)), nullptr);
  EXPECT_NE(dynamic_cast<TWeapon_Bomb*>(fire(kWeaponBomb)), nullptr);
  EXPECT_EQ(ship.shotsfired, 6);
}

TEST_F(FireTest, NewWeaponTakesTheShipsPlaceHeadingOwnerColourAndSpeed) {
  TCar& ship = AddShip(7, 320, 240, 135);
  ship.colour = "$FF123456";
  TWeapon* shell = TWeapon_Cannon::Create(ship);
  EXPECT_FLOAT_EQ(shell->x, 320);
  EXPECT_FLOAT_EQ(shell->oldy, 240);
  EXPECT_FLOAT_EQ(shell->direction, 135);
  EXPECT_FLOAT_EQ(shell->speed, 18);
  EXPECT_EQ(shell->firedby, 7);
  EXPECT_EQ(shell->colour, "$FF123456");
  EXPECT_EQ(Plays(SndCannon), 1);
}

TEST_F(FireTest, TurboAndShieldAreUsedUpWithoutCountingAsShots) {
  TCar& ship = AddShip(1, 500, 500);
  ship.weapon = kWeaponTurbo;
  ship.weaponcount = 1;
  ship.FireWeapon();
  EXPECT_FLOAT_EQ(ship.kers, 100);
  EXPECT_EQ(Plays(SndBoost), 1);
  ship.weapon = kWeaponShield;
  ship.weaponcount = 1;
  ship.FireWeapon();
  EXPECT_FLOAT_EQ(ship.weaponshieldalpha, 40);
  EXPECT_EQ(Plays(SndShield), 1);
  EXPECT_EQ(ship.weapon, 0);
  EXPECT_EQ(ship.shotsfired, 0);
  EXPECT_TRUE(TWeapon::list().empty());
}

TEST_F(FireTest, CannonFiresTwelveShellsThenIsGone) {
  TCar& ship = AddShip(1, 500, 500);
  ship.weapon = kWeaponCannon;
  ship.weaponcount = WeaponUses(kWeaponCannon);
  for (int k = 0; k < 20; ++k) {
    GameTime += 100;
    ship.FireWeapon();
  }
  EXPECT_EQ(TWeapon::list().size(), 12u);
  EXPECT_EQ(ship.weapon, 0);
  EXPECT_EQ(ship.shotsfired, 12);
}

TEST_F(FireTest, NothingHappensWithoutAWeapon) {
  TCar& ship = AddShip(1, 500, 500);
  ship.FireWeapon();
  EXPECT_EQ(ship.shotsfired, 0);
  EXPECT_EQ(ship.lastweaponshot, 0);
  EXPECT_TRUE(TWeapon::list().empty());
}
