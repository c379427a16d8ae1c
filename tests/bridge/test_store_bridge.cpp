// The game's side of the store bridge, against the stand-in client.
#include "shell/store_bridge.h"

#include <gtest/gtest.h>

#include "bridge/orvelink.h"
#include "bridge/steam_stand_in/steam_stand_in.h"
#include "shell/log.h"
#include "support/temp_folder.h"

namespace {

class StoreBridge : public testing::Test {
 protected:
  void SetUp() override {
    SetLogFilePath(folder_ / "Quorvex.log");
    steam_stand_in::Reset();
    steam_stand_in::SetAppId(StoreAppId);
    steam_stand_in::SetUser(1, true);
  }
  void TearDown() override {
    DisconnectStore();
    SetLogging(0);
    CloseLogFile();
  }

  // The log lines ConnectStore writes, and the state it returns.
  std::pair<std::string, int> Connect() {
    std::string logged;
    SetLogging(1, [&](const std::string& text) { logged += text; });
    logged.clear();
    const int state = ConnectStore();
    const std::string lines = logged;
    SetLogging(0);
    return {lines, state};
  }

  TempFolder folder_;
};

TEST_F(StoreBridge, ConnectingLogsHowTheStoreAnswered) {
  struct Case {
    bool running;
    bool loggedOn;
    int state;
    const char* lines;
  };
  const Case cases[] = {
      {false, true, -1, "OpenSteam() failed.\r\nsteamstate=-1\r\n"},
      {true, true, 1, "Steam is online\r\nsteamstate=1\r\n"},
      {true, false, 0, "Steam is offline\r\nsteamstate=0\r\n"},
  };
  for (const Case& test : cases) {
    steam_stand_in::SetClientRunning(test.running);
    steam_stand_in::SetUser(1, test.loggedOn);
    const auto [lines, state] = Connect();
    EXPECT_EQ(state, test.state);
    EXPECT_EQ(lines, test.lines);
    DisconnectStore();
  }
}

TEST_F(StoreBridge, AchievementsGoToTheStoreUnderTheirUnderscoredNames) {
  EXPECT_EQ(StoreAchievementName("Minefield Mayhem"), "Minefield_Mayhem");
  steam_stand_in::SetClientRunning(true);
  steam_stand_in::DefineAchievement("Speed_King", {});
  ASSERT_EQ(Connect().second, 1);
  EXPECT_EQ(ReadStoreAchievement("Speed King"), 0);
  AwardStoreAchievement("Speed King");
  EXPECT_TRUE(steam_stand_in::AchievementAchieved("Speed_King"));
  EXPECT_EQ(ReadStoreAchievement("Speed King"), 1);
  EXPECT_STREQ(ReadSteam(), "stats received!stats stored!Achievement 'Speed_King' unlocked!");
}

TEST_F(StoreBridge, WithTheSwitchOffTheGameNeverCallsTheBridge) {
  if constexpr (StoreEnabled) GTEST_SKIP() << "built with the store switch on";
  steam_stand_in::SetClientRunning(true);
  steam_stand_in::AchievementInfo unlocked;
  unlocked.achieved = true;
  steam_stand_in::DefineAchievement("Speed_King", unlocked);
  std::string logged;
  SetLogging(1, [&](const std::string& text) { logged += text; });
  OpenStoreBridge();
  EXPECT_EQ(StoreGetAchievement("Speed King"), 0);
  StoreSetAchievement("Ace Pilot");
  CloseStoreBridge();
  SetLogging(0);
  EXPECT_FALSE(steam_stand_in::Initialised());
  EXPECT_EQ(steam_stand_in::RegisteredCallbacks(), 0u);
  EXPECT_EQ(logged.find("steam"), std::string::npos) << logged;
}

}  // namespace
