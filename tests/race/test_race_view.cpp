// The race view's rules that need no window: the time texts, the motion-blur copies, the
// distance volume, the terrain sounds across a pause, and the running order's slide.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "race/format_time.h"
#include "race/race_hud.h"
#include "race_fixture.h"
#include "race_view_audio.h"
#include "shell/game_media.h"

namespace {

struct TimeCase {
  int ms;
  int shortForm;
  const char* text;
};

void PrintTo(const TimeCase& c, std::ostream* out) { *out << c.ms << (c.shortForm ? " short" : " long"); }

class FormatTimeForms : public testing::TestWithParam<TimeCase> {};

TEST_P(FormatTimeForms, ReadsAsThePlayerExpects) {
  EXPECT_EQ(FormatTime(GetParam().ms, GetParam().shortForm), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Times, FormatTimeForms,
                         testing::Values(TimeCase{0, 0, "--:--:--"}, TimeCase{-20, 0, "--:--:--"},
                                         TimeCase{0, 1, "--:--:--"}, TimeCase{5, 0, "00:00:005"},
                                         TimeCase{83456, 0, "01:23:456"}, TimeCase{83456, 1, "23:45"},
                                         TimeCase{61005, 1, "01:00"}, TimeCase{1, 0, "00:00:001"},
                                         TimeCase{60000, 0, "01:00:000"}, TimeCase{659999, 0, "10:59:999"},
                                         TimeCase{6012345, 0, "100:12:345"}),
                         [](const testing::TestParamInfo<TimeCase>& tested) {
                           const int ms = tested.param.ms;
                           return (ms < 0 ? "minus" + std::to_string(-ms) : std::to_string(ms)) +
                                  (tested.param.shortForm ? "ms_short" : "ms_long");
                         });

class BlurCopies : public RaceTest {};

TEST_F(BlurCopies, HalfTheStandardTopSpeedLeavesNoCopy) {
  TCar& ship = AddShip();
  ship.speed = RaceTune.topspeed_standard * 0.5f;
  ship.UpdateBlur();
  EXPECT_TRUE(ship.l_blur.empty());
  ship.speed += 0.01f;
  ship.UpdateBlur();
  EXPECT_EQ(ship.l_blur.size(), 1u);
}

TEST_F(BlurCopies, FullBoostCopyStartsAboveOneAndFadesEachUpdate) {
  TCar& ship = AddShip(123.7f, 45.2f);
  ship.speed = 6;
  ship.kers = 200;
  ship.direction = 30;
  ship.UpdateBlur();
  ASSERT_EQ(ship.l_blur.size(), 1u);
  const TBlur& copy = ship.l_blur.front();
  // Made at (0.2 + 2) * speed / standard, then faded once in the same update.
  EXPECT_FLOAT_EQ(copy.a, (0.2f + 2.0f) * 6 / 9 * 0.85f);
  EXPECT_FLOAT_EQ(copy.s, 0.9f);
  EXPECT_EQ(copy.x, 123);
  EXPECT_EQ(copy.y, 45);
  EXPECT_EQ(copy.r, 30);
}

TEST_F(BlurCopies, OneCopyPerGameMillisecondAndFadedCopiesLeave) {
  TCar& ship = AddShip();
  ship.speed = 9;
  ship.UpdateBlur();
  ship.UpdateBlur();
  EXPECT_EQ(ship.l_blur.size(), 1u) << "the clock has not moved";
  ship.speed = 0;
  // 0.2 * 0.85^n drops below 0.05 at the ninth update.
  for (int update = 0; update < 6; ++update) ship.UpdateBlur();
  EXPECT_EQ(ship.l_blur.size(), 1u);
  ship.UpdateBlur();
  EXPECT_TRUE(ship.l_blur.empty());
}

class DistanceVolume : public RaceTest {};

TEST_F(DistanceVolume, FadesWithDistanceFromThePlayer) {
  FxVolume = 0.8f;
  TCar& player = AddShip(1000, 1000, 1);
  TCar& far = AddShip(1200, 1000);
  TCar& near = AddShip(1000, 1050);
  TCar& onTop = AddShip(1000, 1000);
  EXPECT_FLOAT_EQ(player.GetVolume(), 0.8f);
  EXPECT_FLOAT_EQ(far.GetVolume(), 0.4f) << "200 px away plays at half the effects volume";
  EXPECT_FLOAT_EQ(near.GetVolume(), 1.6f);
  EXPECT_FLOAT_EQ(onTop.GetDistanceFromHumanCar(), 1);
  EXPECT_FLOAT_EQ(player.GetDistanceFromHumanCar(), 1);
}

std::vector<std::unique_ptr<ChannelLog>>& Logs() {
  static std::vector<std::unique_ptr<ChannelLog>> logs;
  return logs;
}

class TerrainSound : public RaceTest {
 protected:
  void SetUp() override {
    RaceTest::SetUp();
    static const bool registered = [] {
      RegisterAudioDriver(std::make_unique<LoggingDriver>(Logs()));
      return true;
    }();
    (void)registered;
    ASSERT_EQ(SetAudioDriver("RaceViewLog"), 1);
    Logs().clear();
    SndThrust = std::make_unique<LoggedSound>();
    SndGrid = std::make_unique<LoggedSound>();
    SndRecharge = std::make_unique<LoggedSound>();
    FxVolume = 0.5f;
  }
  void TearDown() override {
    TCar::ResetChannelsAll();
    RaceTest::TearDown();
    SndThrust.reset();
    SndGrid.reset();
    SndRecharge.reset();
    ShutdownAudio();
  }
  static int Plays(const SoundPtr& sound) { return static_cast<LoggedSound*>(sound.get())->plays; }
};

TEST_F(TerrainSound, PausingSilencesAndResumingStartsItAfresh) {
  TCar& player = AddShip(1000, 1000, 1);
  player.DoEngineSound();
  player.DoEngineSound();
  ASSERT_EQ(Logs().size(), 1u) << "one channel for as long as the ship stays on tarmac";
  EXPECT_EQ(Plays(SndThrust), 1);
  EXPECT_FLOAT_EQ(Logs()[0]->volume, 0.5f);

  TCar::PauseSound(1);
  EXPECT_FLOAT_EQ(Logs()[0]->volume, 0);
  TCar::PauseSound(0);
  player.DoEngineSound();
  ASSERT_EQ(Logs().size(), 2u);
  EXPECT_TRUE(Logs()[0]->stopped);
  EXPECT_EQ(Logs()[1]->plays, 1) << "the thrust starts again from its beginning";
  EXPECT_FLOAT_EQ(Logs()[1]->volume, 0.5f);
}

TEST_F(TerrainSound, EachSurfaceHasItsSoundAndTarmacRisesWithSpeed) {
  TCar& player = AddShip(1000, 1000, 1);
  player.speed = 5;
  player.DoEngineSound();
  EXPECT_FLOAT_EQ(Logs().back()->rate, 1.5f) << "half the top speed: half as high again";
  SetSurface(kOffTrack);
  player.DoEngineSound();
  EXPECT_EQ(Plays(SndGrid), 1);
  EXPECT_FLOAT_EQ(Logs().back()->rate, 1.0f);
  SetSurface(kPitGreen);
  player.DoEngineSound();
  EXPECT_EQ(Plays(SndRecharge), 1);
  EXPECT_EQ(Logs().size(), 3u);
}

TEST_F(TerrainSound, OthersWaitOnTheGridAndAWreckIsSilent) {
  Track->racestatus = 0;
  AddShip(1000, 1000, 1);
  TCar& other = AddShip(1100, 1000);
  other.DoEngineSound();
  EXPECT_TRUE(Logs().empty());
  Track->racestatus = 1;
  other.damage = 100;
  other.DoEngineSound();
  ASSERT_EQ(Logs().size(), 1u);
  EXPECT_FLOAT_EQ(Logs()[0]->volume, 0);
}

class RunningOrder : public RaceTest {
 protected:
  void SetUp() override {
    RaceTest::SetUp();
    SetHeadlessGraphics(true);
    ResetRaceHud();
  }
  void TearDown() override {
    RaceTest::TearDown();
    SetHeadlessGraphics(false);
  }
};

TEST_F(RunningOrder, RowsSlideOneStepAFrameAndJumpOnTheGrid) {
  TCar& player = AddShip(1000, 1000, 1);
  TCar& other = AddShip(1100, 1000);
  player.lapscomplete = other.lapscomplete = 0;
  player.orderposy = 124;  // row 0
  other.orderposy = 100;   // row 1 wants 149
  player.DrawRaceInfo();
  EXPECT_FLOAT_EQ(player.orderposy, 124);
  EXPECT_FLOAT_EQ(other.orderposy, 100 + StepFactor());
  // An overtake: the rows swap and slide past each other.
  std::swap(TCar::list()[0], TCar::list()[1]);
  player.DrawRaceInfo();
  EXPECT_FLOAT_EQ(player.orderposy, 124 + StepFactor());
  EXPECT_FLOAT_EQ(other.orderposy, 100 + 2 * StepFactor());
  Track->racestatus = 0;
  player.DrawRaceInfo();
  EXPECT_FLOAT_EQ(player.orderposy, 149);
  EXPECT_FLOAT_EQ(other.orderposy, 124);
}

TEST_F(RunningOrder, LapTimeRunsOnlyAfterTheStartLine) {
  TCar& player = AddShip(1000, 1000, 1);
  player.lapscomplete = -1;
  player.lapstarttime = GameTime - 5000;
  player.DrawRaceInfo();
  EXPECT_EQ(RaceHud.LapTimeText, "--:--:--");
  player.lapscomplete = 0;
  player.DrawRaceInfo();
  EXPECT_EQ(RaceHud.LapTimeText, "00:05:000");
  EXPECT_EQ(RaceHud.LapText, RaceHud.LapLabel + "1 / 3");
  player.lapscomplete = 3;
  player.damage = 0;
  player.dietime = GameTime;  // race over, results not yet due: the HUD still shows the last lap
  player.DrawRaceInfo();
  EXPECT_EQ(RaceHud.LapText, RaceHud.LapLabel + "3 / 3");
}

}  // namespace
