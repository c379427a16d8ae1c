#include <gtest/gtest.h>

#include "platform/clock.h"
#include "shell/game_state.h"
#include "shell/race_engine.h"

namespace {

// A display that takes frameMs of virtual time per drawn frame, and a race that ends
// after a given number of simulation steps.
class ScriptedRace : public RaceEngineClient {
 public:
  ScriptedRace(int frameMs, int stepsToRun) : frameMs_(frameMs), stepsToRun_(stepsToRun) {}

  void Step() override {
    ++steps;
    framesSinceStep = 0;
  }
  int ProcessEvents() override { return steps >= stepsToRun_ ? 1 : 0; }
  void CheckInput() override { ++inputChecks; }
  void Render(float tween) override {
    tweens.push_back(tween);
    ++framesSinceStep;
    maxFramesPerStep = std::max(maxFramesPerStep, framesSinceStep);
    stepsAtFrame.push_back(steps);
    AdvanceVirtualClock(frameMs_);
  }

  int steps = 0;
  int inputChecks = 0;
  int framesSinceStep = 0;
  int maxFramesPerStep = 0;
  std::vector<float> tweens;
  std::vector<int> stepsAtFrame;

 private:
  int frameMs_;
  int stepsToRun_;
};

class RaceEngineTest : public testing::Test {
 protected:
  void SetUp() override {
    UseVirtualClock(1000);
    StartTime = 1000;
    UpdatesPerSecond = 10;
    UpdateUpdateInterval();
    Accumulator = 0;
  }
  void TearDown() override { UseSystemClock(); }
};

TEST_F(RaceEngineTest, FastDisplayDrawsSeveralFramesPerStepWithGrowingTween) {
  ScriptedRace race(/*frameMs=*/10, /*stepsToRun=*/4);
  RaceEngine(race);
  EXPECT_EQ(UpdateInterval, 100);
  EXPECT_EQ(race.steps, 4);
  EXPECT_EQ(race.maxFramesPerStep, 10);
  // Between two steps the tween climbs 0.0, 0.1, ... 0.9.
  for (size_t i = 1; i < race.tweens.size(); ++i) {
    if (race.stepsAtFrame[i] == race.stepsAtFrame[i - 1]) {
      EXPECT_GT(race.tweens[i], race.tweens[i - 1]);
    }
    EXPECT_GE(race.tweens[i], 0.0f);
    EXPECT_LT(race.tweens[i], 1.0f);
  }
  EXPECT_FLOAT_EQ(race.tweens[5], 0.5f);
}

TEST_F(RaceEngineTest, SlowDisplayRunsSeveralStepsPerFrame) {
  ScriptedRace race(/*frameMs=*/250, /*stepsToRun=*/10);
  RaceEngine(race);
  ASSERT_GE(race.stepsAtFrame.size(), 3u);
  // 250 ms a frame pays for two or three steps of 100 ms each.
  for (size_t i = 2; i < race.stepsAtFrame.size(); ++i) {
    const int stepsThisFrame = race.stepsAtFrame[i] - race.stepsAtFrame[i - 1];
    EXPECT_GE(stepsThisFrame, 2);
    EXPECT_LE(stepsThisFrame, 3);
  }
}

TEST_F(RaceEngineTest, LeavingSkipsTheRestOfThePassAndKeepsTheRemainder) {
  ScriptedRace race(/*frameMs=*/250, /*stepsToRun=*/3);
  RaceEngine(race);
  EXPECT_EQ(race.steps, 3);
  // The leaving step neither checks input nor pays for its time.
  EXPECT_EQ(race.inputChecks, 2);
  EXPECT_GE(Accumulator, UpdateInterval);
}

TEST_F(RaceEngineTest, GameTimeFollowsTheClock) {
  ScriptedRace race(/*frameMs=*/50, /*stepsToRun=*/5);
  RaceEngine(race);
  EXPECT_EQ(GameTime, MilliSecs() - StartTime);
  EXPECT_GE(GameTime, 500);
}

TEST_F(RaceEngineTest, ALongStallIsNotCaughtUpStepByStep) {
  // One frame that blocks for a minute (a dialog, a debugger): the catch-up is capped.
  class StallingRace : public ScriptedRace {
   public:
    StallingRace() : ScriptedRace(10, 1000) {}
    void Render(float tween) override {
      ScriptedRace::Render(tween);
      if (tweens.size() == 3) AdvanceVirtualClock(60000);
      if (tweens.size() > 4) ended = true;
    }
    int ProcessEvents() override { return ended ? 1 : 0; }
    bool ended = false;
  } race;
  RaceEngine(race);
  EXPECT_LE(race.steps, kMaxCatchUpMs / UpdateInterval + 2);
}

TEST_F(RaceEngineTest, HeadlessStepsAreExactlyOneIntervalApart) {
  // A headless run moves the clock one interval per pass: one step per pass, tween 0.
  ScriptedRace race(/*frameMs=*/100, /*stepsToRun=*/50);
  RaceEngine(race);
  EXPECT_EQ(race.steps, 50);
  for (size_t i = 1; i < race.tweens.size(); ++i) EXPECT_FLOAT_EQ(race.tweens[i], 0.0f);
}

TEST_F(RaceEngineTest, HeadlessClientRunsOneStepPerPassOnTheVirtualClock) {
  UpdatesPerSecond = 60;
  UpdateUpdateInterval();
  class CountingRace : public HeadlessRaceEngineClient {
   public:
    void Step() override { ++steps; }
    int ProcessEvents() override { return steps == 600 ? 1 : 0; }
    void CheckInput() override {}
    int steps = 0;
  } race;
  const int before = MilliSecs();
  RaceEngine(race);
  EXPECT_EQ(race.steps, 600);
  // 600 steps of 16 ms: the first pass only starts the count.
  EXPECT_EQ(MilliSecs() - before, 600 * 16);
}

TEST(StepFactor, IsGameSpeedOverUpdatesPerSecond) {
  GameSpeed = 60;
  UpdatesPerSecond = 120;
  EXPECT_FLOAT_EQ(StepFactor(), 0.5f);
  UpdatesPerSecond = 10;
}

}  // namespace
