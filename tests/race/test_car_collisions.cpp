// Walls, the track's bounds, ship contact, weapon hits and damage.
#include <cmath>

#include "race/geometry.h"
#include "race_fixture.h"

namespace {

class CollisionTest : public RaceTest {
 protected:
  // A vertical wall at x = 1100 from y = 900 to 1100.
  void AddWall() {
    Track->l_wallpoints = {TWayPoint{0, 1100, 900}, TWayPoint{1, 1100, 1100}};
  }
};

TEST_F(CollisionTest, RightAngleWallHitPutsTheShipBackStopsItAndKnocksItBack) {
  AddWall();
  TCar& ship = AddShip(1090, 1000);
  ship.x = 1110;  // this update carried it through the wall
  ship.speed = 8;
  ship.kers = 50;
  ship.CheckCollisions();
  EXPECT_FLOAT_EQ(ship.x, 1090);
  EXPECT_FLOAT_EQ(ship.speed, 0);
  EXPECT_FLOAT_EQ(ship.kers, 0);
  EXPECT_NEAR(ship.xvel, -6, 1e-4);
  EXPECT_NEAR(ship.yvel, 0, 1e-4);
  EXPECT_GT(ship.damage, 0);
  EXPECT_EQ(ship.lastwallcollision, GameTime);
}

TEST_F(CollisionTest, AGlancingHitBouncesAlongTheMirroredDirection) {
  AddWall();
  TCar& ship = AddShip(1090, 1000);
  ship.x = 1110;
  ship.y = 1020;  // travelling at 45 degrees, down and to the right
  ship.CheckCollisions();
  EXPECT_NEAR(AngleTo(0, 0, ship.xvel, ship.yvel), 135, 1e-3);
}

TEST_F(CollisionTest, AComputerShipHittingWallsTwiceTurnsBackThreePoints) {
  AddWall();
  Track->l_waypoints[0] = {TWayPoint{1, 0, 0}, TWayPoint{2, 0, 0}, TWayPoint{3, 0, 0}, TWayPoint{4, 0, 0},
                           TWayPoint{5, 0, 0}};
  TCar& ship = AddShip(1090, 1000);
  ship.nextwp = &Track->l_waypoints[0][1];  // id 2
  ship.lastwallcollision = GameTime - 1000;
  ship.x = 1110;
  ship.CheckCollisions();
  EXPECT_EQ(ship.nextwp->id, 4);  // 2 - 3 wraps to 4 on a line of five
}

TEST_F(CollisionTest, TrackBoundsLetMinusThirtyTwoStandButNotBeyond) {
  TCar& ship = AddShip(10, 10);
  ship.x = -32;
  ship.CheckCollisions();
  EXPECT_FLOAT_EQ(ship.x, -32);
  ship.oldx = 10;
  ship.x = -32.5f;
  ship.CheckCollisions();
  EXPECT_FLOAT_EQ(ship.x, 10);
  ship.y = 24 * 256 + 1;
  ship.CheckCollisions();
  EXPECT_FLOAT_EQ(ship.y, 10);
}

TEST_F(CollisionTest, ShipsTouchBelowTwentySevenPixelsApart) {
  const struct {
    float gap;
    bool touch;
  } cases[] = {{26.9f, true}, {27.0f, false}};
  for (const auto& c : cases) {
    TearDown();
    SetUp();
    TCar& a = AddShip(1000, 1000);
    TCar& b = AddShip(1000 + c.gap, 1000);
    a.speed = 5;
    a.CheckCollisions();
    EXPECT_EQ(b.xvel != 0, c.touch) << c.gap;
    EXPECT_EQ(b.damage > 0, c.touch) << c.gap;
  }
}

TEST_F(CollisionTest, ContactPushesTheOtherShipAlongTheLineBetweenThem) {
  TCar& a = AddShip(1000, 1000);
  TCar& b = AddShip(1020, 1000);
  a.speed = 8;
  b.speed = 2;
  a.CheckCollisions();
  EXPECT_NEAR(b.xvel, 8 * 0.25, 1e-4);
  EXPECT_NEAR(a.xvel, -2 * 0.25, 1e-4);
}

TEST_F(CollisionTest, TheShieldWeaponAbsorbsAHitWithoutSlowingTheShip) {
  RaceTune.weapondamage_laser = 20;
  TCar& ship = AddShip();
  ship.speed = 8;
  ship.weaponshieldalpha = 10;
  EXPECT_EQ(ship.Hit(3, 1, 1), 0);
  EXPECT_FLOAT_EQ(ship.damage, 0);
  EXPECT_FLOAT_EQ(ship.speed, 8);
  EXPECT_EQ(ship.randomoffspell, 0);
}

TEST_F(CollisionTest, ShieldedPlayerHitByAMissileChecksItsAchievement) {
  std::vector<int> events;
  RaceHooks.checkAchievement = [&](int event) { events.push_back(event); };
  TCar& ship = AddShip(1000, 1000, 1);
  ship.weaponshieldalpha = 10;
  ship.Hit(6, 0, 0);
  RaceHooks.checkAchievement = nullptr;
  EXPECT_EQ(events, std::vector<int>{14});
}

TEST_F(CollisionTest, InEliminatorHitsSlowButDoNoDamage) {
  RaceType = 3;
  RaceTune.weapondamage_missile = 40;
  TCar& ship = AddShip();
  ship.speed = 10;
  ship.Hit(6, 0, 0);
  EXPECT_FLOAT_EQ(ship.damage, 0);
  EXPECT_FLOAT_EQ(ship.speed, 6);
  EXPECT_EQ(ship.randomoffspell, GameTime);
  ship.AddDamage(100, 1);  // elimination itself goes through
  EXPECT_FLOAT_EQ(ship.damage, 100);
}

TEST_F(CollisionTest, DamageIsDividedByTheShieldAndAZeroShieldIsSafe) {
  TCar& ship = AddShip();
  ship.shield = 2;
  ship.AddDamage(10, 0);
  EXPECT_FLOAT_EQ(ship.damage, 5);
  ship.shield = 0;
  ship.AddDamage(10, 0);
  EXPECT_TRUE(std::isfinite(ship.damage));
  EXPECT_FLOAT_EQ(ship.damage, 15);
}

TEST_F(CollisionTest, ShipAtNinetyNineHitForFiveExplodesOnce) {
  RaceTune.weapondamage_cannon = 5;
  TCar& ship = AddShip();
  ship.damage = 99;
  ship.speed = 7;
  EXPECT_EQ(ship.Hit(8, 0, 0), 1);
  EXPECT_FLOAT_EQ(ship.damage, 100);
  EXPECT_EQ(ship.dietime, GameTime);
  EXPECT_FLOAT_EQ(ship.speed, 0);
  const size_t queued = SoundQueue.size();
  GameTime += 500;
  EXPECT_EQ(ship.Hit(8, 0, 0), 1);
  EXPECT_EQ(ship.dietime, GameTime - 500);
  EXPECT_EQ(SoundQueue.size(), queued);
  SoundQueue.clear();
}

TEST_F(CollisionTest, PlayerCrossingEightyQueuesTheCriticalVoiceOncePerCrossing) {
  TCar& ship = AddShip(1000, 1000, 1);
  SoundQueue.clear();
  ship.AddDamage(79, 0);
  EXPECT_EQ(SoundQueue.size(), 0u);
  ship.AddDamage(2, 0);
  EXPECT_EQ(SoundQueue.size(), 1u);
  ship.AddDamage(2, 0);
  EXPECT_EQ(SoundQueue.size(), 1u);
  ship.damage = 50;
  ship.AddDamage(40, 0);
  EXPECT_EQ(SoundQueue.size(), 2u);
  SoundQueue.clear();
}

TEST_F(CollisionTest, SecondKillOfThePlayerChecksTheAchievement) {
  std::vector<int> events;
  RaceHooks.checkAchievement = [&](int event) { events.push_back(event); };
  TCar& player = AddShip(1000, 1000, 1);
  player.AddKill();
  EXPECT_TRUE(events.empty());
  player.AddKill();
  RaceHooks.checkAchievement = nullptr;
  EXPECT_EQ(events, std::vector<int>{15});
  EXPECT_EQ(player.kills, 2);
}

}  // namespace
