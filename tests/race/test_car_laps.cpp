// Checkpoint lines, lap counting, the running and grid orders, race types and the finish.
#include "race_fixture.h"

namespace {

class LapTest : public RaceTest {
 protected:
  void SetUp() override {
    RaceTest::SetUp();
    // Three vertical checkpoint lines across a road along y = 1000, at x = 1000, 2000, 3000.
    Track->l_waylines = {TWayLine{1, 1000, 900, 1000, 1100}, TWayLine{2, 2000, 900, 2000, 1100},
                         TWayLine{3, 3000, 900, 3000, 1100}};
    Track->racestarttime = GameTime;
  }

  // Moves the ship from x0 to x1 in one update and lets it count lines.
  void Cross(TCar& ship, float x0, float x1) {
    ship.oldx = x0;
    ship.x = x1;
    ship.oldy = ship.y = 1000;
    ship.CheckWayLines();
  }

  void DriveLap(TCar& ship) {
    Cross(ship, 1500, 2500);
    Cross(ship, 2500, 3500);
    GameTime += 20000;
    Cross(ship, 990, 1010);
  }
};

TEST_F(LapTest, FirstCrossingOfTheStartLineStartsLapZero) {
  TCar& ship = AddShip();
  Cross(ship, 990, 1010);
  EXPECT_EQ(ship.lapscomplete, 0);
  EXPECT_EQ(ship.lastwayline, 1);
  EXPECT_EQ(ship.lapstarttime, GameTime);
}

TEST_F(LapTest, AFullLapCountsWithItsTimeAndSetsTheRecord) {
  TCar& ship = AddShip();
  Cross(ship, 990, 1010);
  DriveLap(ship);
  EXPECT_EQ(ship.lapscomplete, 1);
  EXPECT_EQ(ship.lastlaptime, 20000);
  EXPECT_EQ(ship.bestlaptime, 20000);
  EXPECT_EQ(ship.l_laptimes, std::vector<std::string>{"20000"});
  EXPECT_EQ(Track->laprecord, 20000);
  EXPECT_EQ(Track->lapholder, ship.name);
}

TEST_F(LapTest, ReversingOverTheStartLineRestartsTheTimerWithoutALap) {
  TCar& ship = AddShip();
  Cross(ship, 990, 1010);
  GameTime += 3000;
  Cross(ship, 1010, 990);
  EXPECT_EQ(ship.lapscomplete, 0);
  EXPECT_EQ(ship.lapstarttime, GameTime);
}

TEST_F(LapTest, SkippingACheckpointDoesNotAdvanceAndTheLapDoesNotCount) {
  TCar& ship = AddShip();
  Cross(ship, 990, 1010);
  Cross(ship, 2500, 3500);  // line 3 straight after line 1
  EXPECT_EQ(ship.lastwayline, 1);
  GameTime += 20000;
  Cross(ship, 990, 1010);
  EXPECT_EQ(ship.lapscomplete, 0);
}

TEST_F(LapTest, TheLastLapFinishesTheShipWithItsRaceTime) {
  Track->totallaps = 2;
  TCar& ship = AddShip();
  Cross(ship, 990, 1010);
  DriveLap(ship);
  DriveLap(ship);
  EXPECT_EQ(ship.lapscomplete, 2);
  EXPECT_EQ(ship.racefinishtime, GameTime - Track->racestarttime);
  EXPECT_EQ(ship.RaceIsOver(), 1);
  DriveLap(ship);  // laps beyond the race are not counted
  EXPECT_EQ(ship.lapscomplete, 2);
}

TEST_F(LapTest, EliminatorTakesOutTheLastShipWhenTheSecondLastCompletesALap) {
  RaceType = 3;
  Track->totallaps = 99;
  for (int i = 0; i < 12; ++i) AddShip(1000, 1000);
  TCar& secondLast = *TCar::list()[10];
  TCar& last = *TCar::list()[11];
  secondLast.position = 11;
  last.position = 12;
  Cross(secondLast, 990, 1010);
  DriveLap(secondLast);
  EXPECT_FLOAT_EQ(last.damage, 100);
  EXPECT_EQ(Track->totallaps, 99);
}

TEST_F(LapTest, EliminatorWithTwoLeftEndsTheRaceForTheWinner) {
  RaceType = 3;
  Track->totallaps = 99;
  TCar& leader = AddShip();
  TCar& second = AddShip();
  for (int i = 0; i < 10; ++i) AddShip().damage = 100;
  leader.position = 1;
  second.position = 2;
  Cross(leader, 990, 1010);
  DriveLap(leader);
  EXPECT_FLOAT_EQ(second.damage, 100);
  EXPECT_EQ(Track->totallaps, 1);
  EXPECT_EQ(leader.RaceIsOver(), 1);
  EXPECT_GT(leader.racefinishtime, 0);
}

TEST_F(LapTest, SurvivalRepairsFivePerLapDownToZero) {
  RaceType = 4;
  Track->totallaps = 99;
  TCar& ship = AddShip();
  AddShip();
  ship.damage = 3;
  Cross(ship, 990, 1010);
  DriveLap(ship);
  EXPECT_FLOAT_EQ(ship.damage, 0);
}

TEST_F(LapTest, ShipsThatHaveNotStartedKeepTheirOrder) {
  for (int i = 0; i < 5; ++i) AddShip();
  TCar::UpdatePositionsAll();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(TCar::list()[i]->id, i + 1);
}

TEST_F(LapTest, RunningOrderPutsMoreLapsAndLaterCheckpointsFirstAndTheDestroyedLast) {
  TCar& a = AddShip();
  TCar& b = AddShip();
  TCar& c = AddShip();
  TCar& d = AddShip();
  a.lapscomplete = 0;
  a.lastwayline = 2;
  b.lapscomplete = 1;
  b.lastwayline = 1;
  c.lapscomplete = 1;
  c.lastwayline = 3;
  d.lapscomplete = 2;
  d.damage = 100;
  TCar::UpdatePositionsAll();
  EXPECT_EQ(c.position, 1);
  EXPECT_EQ(b.position, 2);
  EXPECT_EQ(a.position, 3);
  EXPECT_EQ(d.position, 4);
}

TEST_F(LapTest, FinishRaceEstimatesTimesBehindTheShipAheadAndAwardsPoints) {
  TCar& winner = AddShip();
  TCar& racing = AddShip();
  TCar& wreck = AddShip();
  winner.racefinishtime = 60000;
  winner.lapscomplete = 3;
  racing.lapscomplete = 2;
  wreck.damage = 100;
  FinishRace();
  EXPECT_GE(racing.racefinishtime, 60500);
  EXPECT_LE(racing.racefinishtime, 62500);
  EXPECT_EQ(winner.pts, 10);
  EXPECT_EQ(racing.pts, 8);
  EXPECT_EQ(wreck.pts, 0);
  EXPECT_EQ(wreck.racefinishtime, 0);
}

TEST(PositionPoints, PlacesScoreTenDownToOneThenNothing) {
  const int expected[] = {0, 10, 8, 6, 5, 4, 3, 2, 1, 0, 0, 0, 0};
  for (int place = 0; place <= 12; ++place) EXPECT_EQ(GetPositionPoints(place), expected[place]) << place;
}

TEST_F(LapTest, GridOrderIsFinishingOrderThenPreviousPlace) {
  TCar& a = AddShip();
  TCar& b = AddShip();
  TCar& c = AddShip();
  a.racefinishtime = 0;
  a.position = 1;
  b.racefinishtime = 50000;
  c.racefinishtime = 40000;
  TCar::CompareMode = 1;
  TCar::SortList();
  EXPECT_EQ(TCar::list()[0], &c);
  EXPECT_EQ(TCar::list()[1], &b);
  EXPECT_EQ(TCar::list()[2], &a);
}

}  // namespace
