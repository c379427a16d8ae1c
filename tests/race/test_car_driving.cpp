// The driving step: speed caps, braking and reversing, heading wrap, surfaces, destruction.
#include <cmath>

#include "platform/input_events.h"
#include "race/geometry.h"
#include "race_fixture.h"

namespace {

class DrivingTest : public RaceTest {
 protected:
  // Runs the driving step n times with a fixed throttle, as the controls would set it.
  void Drive(TCar& ship, int gassing, int n) {
    for (int i = 0; i < n; ++i) {
      ship.oldx = ship.x;
      ship.oldy = ship.y;
      ship.controller = 5;  // no control input: the throttle stays as set
      ship.gassing = gassing;
      ship.Update();
    }
  }
};

TEST_F(DrivingTest, TopSpeedIsApproachedButNeverExceeded) {
  TCar& ship = AddShip();
  ship.accel = 0.2;  // enough thrust that friction alone would settle above the top speed
  float highest = 0;
  for (int i = 0; i < 2000; ++i) {
    Drive(ship, 1, 1);
    highest = std::max(highest, ship.speed);
  }
  EXPECT_LE(highest, ship.topspeed);
  EXPECT_GT(ship.speed, ship.topspeed * 0.9);
}

TEST_F(DrivingTest, FullBoostRaisesTheCapToFortyTwoPercentAboveTopSpeed) {
  TCar& ship = AddShip();
  ship.speed = 100;
  ship.kers = 200;
  Drive(ship, 1, 1);
  EXPECT_NEAR(ship.speed, ship.topspeed * 1.4 * 1.05, 1e-4);
}

TEST_F(DrivingTest, BrakingFromRestReversesToFourTenthsOfTopSpeed) {
  TCar& ship = AddShip();
  Drive(ship, -1, 3000);
  EXPECT_NEAR(ship.speed, -0.4 * ship.topspeed, 1e-3);
}

TEST_F(DrivingTest, BrakeWinsWhenThePlayerHoldsAccelerateAndBrake) {
  for (int c = 0; c < kControlCount; ++c) Controls[c] = kDefaultControls[c];
  TCar& ship = AddShip(1000, 1000, 1);
  ship.speed = 5;
  EmitInputEvent({kEventKeyDown, Controls[2], 0, 0});
  EmitInputEvent({kEventKeyDown, Controls[3], 0, 0});
  ship.Update();
  EmitInputEvent({kEventKeyUp, Controls[2], 0, 0});
  EmitInputEvent({kEventKeyUp, Controls[3], 0, 0});
  EXPECT_EQ(ship.gassing, -1);
  EXPECT_LT(ship.speed, 5);
}

TEST_F(DrivingTest, HeadingJustBelowFullTurnWrapsToASmallNegativeAngle) {
  TCar& ship = AddShip();
  ship.direction = 359.5f;
  Drive(ship, 0, 1);
  EXPECT_FLOAT_EQ(ship.direction, -0.5f);
}

struct SurfaceCase {
  const char* name;
  uint32_t colour;
  int raceType;
  int terrain;
  bool repairs;
};

class SurfaceTest : public DrivingTest, public testing::WithParamInterface<SurfaceCase> {};

TEST_P(SurfaceTest, PatternColourGivesTerrainAndPitRepair) {
  const SurfaceCase& c = GetParam();
  RaceType = c.raceType;
  SetSurface(c.colour);
  TCar& ship = AddShip();
  ship.damage = 50;
  Drive(ship, 1, 2);
  EXPECT_EQ(ship.terrain, c.terrain);
  if (c.repairs) {
    EXPECT_LT(ship.damage, 50);
  } else if (c.terrain != 0) {
    EXPECT_EQ(ship.damage, 50);
  }
}

INSTANTIATE_TEST_SUITE_P(Surfaces, SurfaceTest,
                         testing::Values(SurfaceCase{"Road", kRoad, 1, 1, false},
                                         SurfaceCase{"RedKerb", 0xFFFF0000u, 1, 1, false},
                                         SurfaceCase{"PitLane", kPitGreen, 1, 2, true},
                                         SurfaceCase{"PitLaneInEliminator", kPitGreen, 3, 1, false},
                                         SurfaceCase{"PitLaneInSurvival", kPitGreen, 4, 1, false},
                                         SurfaceCase{"Gravel", kOffTrack, 1, 0, false},
                                         SurfaceCase{"OtherColour", 0xFF123456u, 1, 0, false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(DrivingTest, GravelDamagesTheShip) {
  SetSurface(kOffTrack);
  TCar& ship = AddShip();
  Drive(ship, 1, 10);
  EXPECT_GT(ship.damage, 0);
}

TEST_F(DrivingTest, DestroyedShipStopsWhereItIs) {
  TCar& ship = AddShip();
  ship.speed = 8;
  ship.damage = 100;
  Drive(ship, 1, 3);
  EXPECT_FLOAT_EQ(ship.speed, 0);
  EXPECT_FLOAT_EQ(ship.x, 1000);
}

TEST_F(DrivingTest, NothingMovesDuringTheStartSequence) {
  Track->racestatus = 0;
  TCar& ship = AddShip();
  ship.speed = 5;
  Drive(ship, 1, 10);
  EXPECT_FLOAT_EQ(ship.x, 1000);
}

TEST_F(DrivingTest, TerrainOfARotatedTileFollowsTheTurn) {
  // The left half of the pattern is road, the right half gravel.
  SetSurface(kOffTrack);
  TPixmap& pattern = *Track->tileset->tracktile_array[0]->imgpat;
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 128; ++x) pattern.WritePixel(x, y, kRoad);
  }
  EXPECT_EQ(TCar::GetTerrain(1, 10, 100), 1);
  EXPECT_EQ(TCar::GetTerrain(1, 250, 100), 0);
  // Turned a quarter, the pattern's left half lies along the top of the cell.
  Track->tile_level[1][0][0].rotation = 90;
  EXPECT_EQ(TCar::GetTerrain(1, 100, 10), 1);
  EXPECT_EQ(TCar::GetTerrain(1, 100, 250), 0);
}

TEST_F(DrivingTest, TerrainOutsideTheGridIsClampedAndEmptyCellsAreOffTrack) {
  EXPECT_EQ(TCar::GetTerrain(1, -500, -500), 1);
  EXPECT_EQ(TCar::GetTerrain(1, 1e6f, 1e6f), 1);
  Track->tile_level[1][2][2].id = -1;
  EXPECT_EQ(TCar::GetTerrain(1, 2 * 256 + 5, 2 * 256 + 5), 0);
}

TEST_F(DrivingTest, AFinishedPlayerIsDrivenHomeAtTheCruisingPace) {
  for (int i = 1; i <= 10; ++i) Track->l_waypoints[0].push_back(TWayPoint{i, 1000 + i * 300, 1000});
  TCar& player = AddShip(1000, 1000, 1);
  player.lapscomplete = Track->totallaps;
  player.speed = 5;
  TCar::FinishHandover = 0;
  player.Update();
  EXPECT_EQ(TCar::FinishHandover, 1);
  EXPECT_DOUBLE_EQ(player.limitspeed, 0.985);
  EXPECT_EQ(player.gassing, 1);
  EXPECT_EQ(player.controller, 1);  // still the player's ship
}

TEST(TerrainNames, EachSurfaceHasItsName) {
  EXPECT_EQ(TCar::GetTerrainString(0), "Blank");
  EXPECT_EQ(TCar::GetTerrainString(1), "Tarmac");
  EXPECT_EQ(TCar::GetTerrainString(2), "PitLane");
  EXPECT_EQ(TCar::GetTerrainString(5), "");
}

TEST_F(RaceTest, SelectHumanCarFallsBackToShipOne) {
  AddShip();
  TCar& second = AddShip();
  std::swap(TCar::list()[0], TCar::list()[1]);
  EXPECT_EQ(TCar::SelectHumanCar()->id, 1);
  EXPECT_EQ(TCar::SelectPlayerCar(), nullptr);  // no fall-back when nobody plays
  second.controller = 1;
  EXPECT_EQ(TCar::SelectHumanCar(), &second);
  EXPECT_EQ(TCar::SelectPlayerCar(), &second);
}

}  // namespace
