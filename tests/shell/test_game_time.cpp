#include <gtest/gtest.h>

#include "platform/clock.h"
#include "shell/game_state.h"
#include "shell/game_time.h"

class GameTimeTest : public testing::Test {
 protected:
  void SetUp() override {
    UseVirtualClock(10000);
    StartTime = MilliSecs();
  }
  void TearDown() override { UseSystemClock(); }
};

TEST_F(GameTimeTest, AMinutePausedDoesNotCount) {
  AdvanceVirtualClock(5000);
  RefreshGameTime();
  EXPECT_EQ(GameTime, 5000);
  BeginPauseTime();
  AdvanceVirtualClock(60000);
  EndPauseTime();
  EXPECT_EQ(GameTime, 5000);
  AdvanceVirtualClock(250);
  RefreshGameTime();
  EXPECT_EQ(GameTime, 5250);
}

TEST_F(GameTimeTest, SeveralPausesAddUp) {
  for (int lap = 0; lap < 3; ++lap) {
    AdvanceVirtualClock(1000);
    BeginPauseTime();
    AdvanceVirtualClock(7000);
    EndPauseTime();
  }
  EXPECT_EQ(GameTime, 3000);
}
