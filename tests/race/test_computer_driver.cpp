// The computer driver's decisions: pits, the speed limit, holding back, swerving.
#include "race_fixture.h"

namespace {

class DriverTest : public RaceTest {
 protected:
  void SetUp() override {
    RaceTest::SetUp();
    // A straight racing line along y = 1000 and a pit lane starting beside the ship.
    for (int i = 1; i <= 20; ++i) Track->l_waypoints[0].push_back(TWayPoint{i, 1000 + i * 200, 1000});
    Track->l_pitwaypoints = {TWayPoint{1, 1050, 1000}, TWayPoint{2, 1400, 1100}, TWayPoint{3, 1800, 1000}};
    Track->l_waylines = {TWayLine{1, 0, 0, 0, 1}, TWayLine{2, 0, 0, 0, 1}, TWayLine{3, 0, 0, 0, 1}};
  }

  TCar& Driver(float damage, int lapsComplete) {
    TCar& ship = AddShip(1000, 1000);
    ship.damage = damage;
    ship.lapscomplete = lapsComplete;
    ship.speed = 5;
    return ship;
  }
};

struct PitCase {
  float damage;
  int lapsLeft;
  int raceType;
  bool pits;
};

TEST_F(DriverTest, PitDecisionByDamageAndLapsLeft) {
  const PitCase cases[] = {
      {60, 3, 1, true},  {60, 2, 1, false}, {31, 5, 1, true}, {31, 4, 1, false},
      {76, 2, 1, true},  {76, 1, 1, false}, {90, 5, 3, false}, {90, 5, 4, false},
  };
  for (const PitCase& c : cases) {
    TearDown();
    SetUp();
    RaceType = c.raceType;
    Track->totallaps = 10;
    TCar& ship = Driver(c.damage, 10 - c.lapsLeft);
    ship.DriveComputer(3, 3);
    EXPECT_EQ(ship.pitting == 1, c.pits) << c.damage << " damage, " << c.lapsLeft << " laps left";
  }
}

TEST_F(DriverTest, LeavingThePitLaneRejoinsTheRacingLine) {
  TCar& ship = Driver(60, 0);
  ship.pitting = 1;
  ship.nextwp = &Track->l_pitwaypoints[2];
  ship.x = 1790;
  ship.DriveComputer(3, 3);
  EXPECT_EQ(ship.pitting, 0);
  ship.x = 1790;
  ASSERT_NE(ship.nextwp, nullptr);
  EXPECT_EQ(ship.nextwp->id, 4);  // the line's point nearest (1790, 1000) is (1800, 1000)
}

TEST_F(DriverTest, HardDriverOnAStraightWithThePlayerCloseKeepsFullSpeed) {
  Difficulty = 3;
  TCar& ship = Driver(0, 1);
  TCar& player = AddShip(500, 1000, 1);
  player.lapscomplete = 1;
  ship.lastwayline = 2;
  player.lastwayline = 1;
  ship.DriveComputer(3, 3);
  EXPECT_DOUBLE_EQ(ship.limitspeed, 1.0);
}

TEST_F(DriverTest, LeadingThePlayerByTenCheckpointsHoldsBack) {
  Difficulty = 2;
  Track->totallaps = 10;
  TCar& ship = Driver(0, 4);
  TCar& player = AddShip(500, 1000, 1);
  ship.lastwayline = 3;      // 4 * 3 + 3 = 15
  player.lapscomplete = 1;   // 1 * 3 + 2 = 5
  player.lastwayline = 2;
  ship.DriveComputer(3, 3);
  EXPECT_LE(ship.limitspeed, 0.997 - 10.0 / 500 + 1e-9);
  EXPECT_GE(ship.limitspeed, 0.975);
}

TEST_F(DriverTest, EasyDriverNeverDrivesAtFullSpeed) {
  Difficulty = 1;
  TCar& ship = Driver(0, 1);
  ship.DriveComputer(3, 3);
  EXPECT_LE(ship.limitspeed, 0.994);
}

TEST_F(DriverTest, FinishedShipCruises) {
  Track->totallaps = 3;
  TCar& ship = Driver(0, 3);
  ship.DriveComputer(3, 3);
  EXPECT_DOUBLE_EQ(ship.limitspeed, 0.985);
}

TEST_F(DriverTest, SideBySideTheShipWhoseLeftFrontCoversTheOtherSteersRight) {
  RaceTune.collisioncheckdist_front = 14;
  RaceTune.collisionangle_front = 30;
  RaceTune.collisionsize_front = 10;
  TCar& ship = AddShip(1000, 1000);
  ship.coll_fleft = TCollCircle::Create(14, -30, 10);
  ship.coll_fright = TCollCircle::Create(14, 30, 10);
  ship.coll_left = TCollCircle::Create(8, -90, 8);
  ship.coll_right = TCollCircle::Create(8, 90, 8);
  ship.speed = 1;
  AddShip(1030, 980);  // ahead and to the left (up the screen)
  EXPECT_EQ(ship.CheckRoadClear(), 2);
  const float before = ship.steer;
  ship.nextwp = &Track->l_waypoints[0][0];
  ship.DriveComputer(3, 2);
  EXPECT_GT(ship.steer, before);
}

TEST_F(DriverTest, ClearRoadAndPittingAnswerThree) {
  TCar& ship = AddShip(1000, 1000);
  AddShip(3000, 3000);
  EXPECT_EQ(ship.CheckRoadClear(), 3);
  AddShip(1030, 1000);
  ship.pitting = 1;
  EXPECT_EQ(ship.CheckRoadClear(), 3);
}

TEST_F(DriverTest, NewRacingLineOnlyPicksLinesWithTwoPoints) {
  Track->l_waypoints[4] = {TWayPoint{1, 5, 5}};
  TCar& ship = AddShip();
  for (int i = 0; i < 50; ++i) {
    ship.GetNewRacingLine();
    EXPECT_EQ(ship.myracingline, 0);
  }
  for (auto& line : Track->l_waypoints) line.clear();
  ship.GetNewRacingLine();  // nothing usable: ends on line 0
  EXPECT_EQ(ship.myracingline, 0);
}

}  // namespace
