// Fired weapons in flight: walls, ships, mines, homing and the list they live in.
#include <cmath>

#include "race/geometry.h"
#include "test_weapons_fixture.h"

namespace {
// Two headings are the same when they point the same way.
bool SameHeading(float a, float b) { return std::fabs(AngleDiff(a, b)) < 0.01f; }
}  // namespace

using WeaponFlightTest = WeaponTest;

struct WallCase {
  int x1, x2;
};

class LaserMirrorTest : public WeaponTest, public testing::WithParamInterface<WallCase> {};

// Drawn either way, a horizontal wall sends a bolt heading 90 back along its path at -90.
TEST_P(LaserMirrorTest, BoltOffAHorizontalWallComesBackAlongItsPath) {
  TCar& firer = AddShip(1, 500, 500, 90);
  AddWall(GetParam().x1, 540, GetParam().x2, 540);
  TWeapon_Laser* bolt = TWeapon_Laser::Create(firer);
  Step(2);  // 520, then 540 touches the wall: back to 520
  EXPECT_EQ(bolt->bouncecount, 1);
  EXPECT_FLOAT_EQ(bolt->y, 520);
  EXPECT_TRUE(SameHeading(bolt->direction, -90)) << bolt->direction;
  EXPECT_EQ(Plays(SndRicochet), 1);
  Step();
  EXPECT_FLOAT_EQ(bolt->y, 500);
  EXPECT_NEAR(bolt->x, 500, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(BothWays, LaserMirrorTest, testing::Values(WallCase{600, 400}, WallCase{400, 600}));

TEST_F(WeaponFlightTest, RightToLeftWallGivesExactlyMinus90) {
  TCar& firer = AddShip(1, 500, 500, 90);
  AddWall(600, 540, 400, 540);
  TWeapon_Laser* bolt = TWeapon_Laser::Create(firer);
  Step(2);
  EXPECT_FLOAT_EQ(bolt->direction, -90);
}

TEST_F(WeaponFlightTest, SlantedWallMirrorsTheHeadingInTheWallLine) {
  TCar& firer = AddShip(1, 500, 500, 0);
  AddWall(540, 400, 560, 600);  // leans a little; a bolt along +x meets it almost head on
  TWeapon_Laser* bolt = TWeapon_Laser::Create(firer);
  Step(3);
  const float w = AngleTo(560, 600, 540, 400);
  EXPECT_TRUE(SameHeading(bolt->direction, 2 * w));
}

struct BounceCase {
  int raceType;
  int contactsSurvived;
  const char* name;
};

class LaserBounceTest : public WeaponTest, public testing::WithParamInterface<BounceCase> {};

// Between two walls 100 apart the bolt meets a wall every few updates.
TEST_P(LaserBounceTest, ExpiresOnTheContactAfterTheLastItSurvives) {
  RaceType = GetParam().raceType;
  TCar& firer = AddShip(1, 500, 500, 90);
  AddWall(0, 450, 1000, 450);
  AddWall(0, 550, 1000, 550);
  TWeapon_Laser::Create(firer);
  int contacts = 0;
  for (int k = 0; k < 400 && !TWeapon::list().empty(); ++k) {
    Step();
    contacts = Plays(SndRicochet);
  }
  EXPECT_TRUE(TWeapon::list().empty());
  EXPECT_EQ(contacts, GetParam().contactsSurvived + 1);
}

INSTANTIATE_TEST_SUITE_P(RaceTypes, LaserBounceTest,
                         testing::Values(BounceCase{1, 4, "normal"}, BounceCase{3, 4, "eliminator"},
                                         BounceCase{4, 10, "survival"}),
                         [](const testing::TestParamInfo<BounceCase>& c) { return std::string(c.param.name); });

TEST_F(WeaponFlightTest, ShellBurstsOnAWallAndDoesNothingMoreThatUpdate) {
  TCar& firer = AddShip(1, 500, 500, 0);
  AddWall(510, 400, 510, 600);
  TWeapon_Cannon::Create(firer);
  // Put back to 500 by the wall, the shell would reach this ship if it went on.
  TCar& target = AddShip(2, 505, 500);
  Step();
  EXPECT_TRUE(TWeapon::list().empty());
  EXPECT_FLOAT_EQ(target.damage, 0);
}

TEST_F(WeaponFlightTest, MineSetOffEarlierInTheUpdateHitsNobodyAfterwards) {
  TCar& layer = AddShip(1, 600, 500);
  TCar& shooter = AddShip(2, 600, 420, 90);
  TWeapon_Cannon::Create(shooter);  // walked before the mine
  TWeapon_Mine::Create(layer);
  layer.x = shooter.x = 3000;
  Step(3);  // the shell is at 474
  TCar& passer = AddShip(3, 620, 510);  // in the mine's reach, not the shell's at 492
  Step();
  EXPECT_TRUE(TWeapon::list().empty());
  EXPECT_FLOAT_EQ(passer.damage, 0);
}

TEST_F(WeaponFlightTest, WeaponsNeverHitTheShipThatFiredThem) {
  TCar& firer = AddShip(1, 500, 500, 0);
  TWeapon_Mine::Create(firer);
  Step(10);
  EXPECT_EQ(Count<TWeapon_Mine>(), 1);
  EXPECT_FLOAT_EQ(firer.damage, 0);
}

TEST_F(WeaponFlightTest, ShellHitsTheFirstLivingShipInReachAndCountsTheKill) {
  TCar& firer = AddShip(1, 500, 500, 0);
  TCar& wreck = AddShip(2, 520, 500);
  TCar& target = AddShip(3, 530, 500);
  wreck.damage = 100;
  target.damage = 95;
  TWeapon_Cannon::Create(firer);
  Step();
  EXPECT_FLOAT_EQ(target.damage, 100);
  EXPECT_EQ(firer.kills, 1);
  EXPECT_EQ(Count<TWeapon_Cannon>(), 0);
  // The computer's kill earns no achievement.
  EXPECT_TRUE(events_.empty());
}

TEST_F(WeaponFlightTest, PlayersKillReportsTheWeaponsAchievement) {
  struct Case {
    TWeapon* (*fire)(TCar&);
    int event;
  };
  const Case cases[] = {
      {[](TCar& s) -> TWeapon* { return TWeapon_Cannon::Create(s); }, 8},
      {[](TCar& s) -> TWeapon* { return TWeapon_Laser::Create(s); }, 9},
      {[](TCar& s) -> TWeapon* { return TWeapon_Plasma::Create(s); }, 10},
      {[](TCar& s) -> TWeapon* { return TWeapon_Missile::Create(s); }, 11},
  };
  TCar& player = AddShip(1, 500, 500, 0);
  player.controller = 1;
  TCar& target = AddShip(2, 520, 500);
  for (const Case& c : cases) {
    target.damage = 99;
    player.kills = 0;
    events_.clear();
    c.fire(player);
    Step();
    EXPECT_EQ(events_, std::vector<int>{c.event});
    EXPECT_EQ(player.kills, 1) << "event " << c.event;
    TWeapon::ClearAll();
  }
}

TEST_F(WeaponFlightTest, MineHitsAnotherShipThatRunsIntoIt) {
  TCar& layer = AddShip(1, 500, 500);
  TCar& follower = AddShip(2, 800, 500);
  TWeapon_Mine::Create(layer);
  layer.x = 900;
  Step();
  follower.x = 510;
  Step();
  EXPECT_FLOAT_EQ(follower.damage, 25);
  EXPECT_TRUE(TWeapon::list().empty());
  EXPECT_TRUE(events_.empty());
}

TEST_F(WeaponFlightTest, MinesOfDifferentOwnersNeverSetEachOtherOff) {
  TCar& a = AddShip(1, 500, 500);
  TCar& b = AddShip(2, 510, 500);
  TWeapon_Mine::Create(a);
  TWeapon_Mine::Create(b);
  a.x = b.x = 2000;
  Step(20);
  EXPECT_EQ(Count<TWeapon_Mine>(), 2);
}

TEST_F(WeaponFlightTest, ShotSetsOffAnotherShipsMineAndGoesWithIt) {
  TCar& layer = AddShip(1, 600, 500);
  TCar& shooter = AddShip(2, 500, 500, 0);
  TWeapon_Mine::Create(layer);
  TWeapon_Mine::Create(shooter);  // its own mine is no obstacle to its shell
  TWeapon_Cannon::Create(shooter);
  layer.y = shooter.y = 2000;
  Step(6);
  EXPECT_EQ(Count<TWeapon_Cannon>(), 0);
  ASSERT_EQ(Count<TWeapon_Mine>(), 1);
  EXPECT_EQ(TWeapon::list().front()->firedby, 2);
  EXPECT_EQ(Plays(SndExplosionMedium), 1);
}

TEST_F(WeaponFlightTest, PlayersShotSetsOffABombWithoutItsBlast) {
  TCar& bomber = AddShip(1, 600, 500);
  TCar& player = AddShip(2, 500, 500, 0);
  player.controller = 1;
  TWeapon_Bomb::Create(bomber);
  bomber.y = 550;  // well inside the blast radius
  TWeapon_Laser::Create(player);
  Step(6);
  EXPECT_TRUE(TWeapon::list().empty());
  EXPECT_FLOAT_EQ(bomber.damage, 0);
  EXPECT_EQ(events_, std::vector<int>{16});
}

TEST_F(WeaponFlightTest, ShieldWeaponAbsorbsALaser) {
  TCar& firer = AddShip(1, 500, 500, 0);
  TCar& shielded = AddShip(2, 530, 500);
  shielded.weaponshieldalpha = 40;
  shielded.speed = 10;
  TWeapon_Laser::Create(firer);
  Step();
  EXPECT_TRUE(TWeapon::list().empty());
  EXPECT_FLOAT_EQ(shielded.damage, 0);
  EXPECT_FLOAT_EQ(shielded.speed, 10);
}

TEST_F(WeaponFlightTest, MissileTurnsTowardsATargetAheadButNotOneBehind) {
  TCar& firer = AddShip(1, 0, 0, 0);
  AddShip(2, 1000, 300);  // about 17 degrees right of the heading
  TWeapon_Missile* missile = TWeapon_Missile::Create(firer);
  firer.x = -5000;
  Step();
  EXPECT_FLOAT_EQ(missile->direction, 4);
  TWeapon::ClearAll();

  firer.x = 0;
  firer.direction = 180;  // the other ship is now well outside the seeking cone
  missile = TWeapon_Missile::Create(firer);
  firer.x = -5000;
  Step();
  EXPECT_FLOAT_EQ(missile->direction, 180);
}

TEST_F(WeaponFlightTest, MissileChasesTheNearestLivingOpponent) {
  TCar& firer = AddShip(1, 0, 0, 0);
  TCar& wreck = AddShip(2, 400, 50);  // nearest, to the right, but destroyed
  AddShip(3, 600, -100);              // the nearest living one, to the left
  AddShip(4, 900, 100);
  TWeapon_Missile* missile = TWeapon_Missile::Create(firer);
  wreck.damage = 100;
  firer.x = -5000;
  Step();
  EXPECT_FLOAT_EQ(missile->direction, -4);
}

TEST_F(WeaponFlightTest, ClearAllEmptiesTheListWithAnExplosionEach) {
  TCar& firer = AddShip(1, 500, 500);
  TWeapon_Mine::Create(firer);
  TWeapon_Laser::Create(firer);
  TWeapon::ClearAll();
  EXPECT_TRUE(TWeapon::list().empty());
  EXPECT_EQ(TParticle::list().size(), 80u);  // two flare bursts of 40
}

TEST_F(WeaponFlightTest, VolumeFallsWithDistanceFromThePlayerAndStaysFiniteOnTopOfIt) {
  TCar& player = AddShip(1, 500, 500);
  player.controller = 1;
  FxVolume = 0.5f;
  TWeapon* mine = TWeapon_Mine::Create(player);
  EXPECT_FLOAT_EQ(mine->GetVolume(), 50);
  mine->x = 700;
  EXPECT_FLOAT_EQ(mine->GetVolume(), 0.25f);
}
