#include <gtest/gtest.h>

#include "platform/clock.h"

class VirtualClockTest : public testing::Test {
 protected:
  void TearDown() override { UseSystemClock(); }
};

TEST_F(VirtualClockTest, MovesOnlyWhenAdvanced) {
  UseVirtualClock(5000);
  EXPECT_TRUE(VirtualClockActive());
  EXPECT_EQ(MilliSecs(), 5000);
  EXPECT_EQ(MilliSecs(), 5000);
  AdvanceVirtualClock(16);
  Delay(4);
  EXPECT_EQ(MilliSecs(), 5020);
  AdvanceVirtualClock(-3);  // never backwards
  EXPECT_EQ(MilliSecs(), 5020);
}

TEST_F(VirtualClockTest, SystemClockRunsOnItsOwn) {
  UseSystemClock();
  const int before = MilliSecs();
  Delay(20);
  EXPECT_GE(MilliSecs() - before, 20);
  AdvanceVirtualClock(100000);  // no effect on the system clock
  EXPECT_LT(MilliSecs() - before, 100000);
}
