// Statistics and achievements through the bridge.
#include <gtest/gtest.h>

#include "bridge_fixture.h"

namespace {

using StatsAndAchievements = OpenBridge;

TEST_F(StatsAndAchievements, StatisticsReadAndWriteTheClientsValues) {
  steam_stand_in::DefineStat("races", 7);
  EXPECT_EQ(GetSteamStat("races"), 7);
  EXPECT_EQ(SetSteamStat("races", 9), 1);
  EXPECT_EQ(steam_stand_in::StatValue("races"), 9);
  EXPECT_EQ(GetSteamStat("unknown"), -1);
  EXPECT_EQ(SetSteamStat("unknown", 1), 0);
  EXPECT_EQ(GetSteamStat(nullptr), -1);
}

TEST_F(StatsAndAchievements, AnUnlockIsStoredAndAnnounced) {
  steam_stand_in::DefineAchievement("Speed_King", {});
  EXPECT_EQ(GetSteamAchievement("Speed_King"), 0);
  EXPECT_EQ(SetSteamAchievement("Speed_King"), 1);
  EXPECT_EQ(GetSteamAchievement("Speed_King"), 1);
  EXPECT_EQ(StoreSteamStats(), 1);
  EXPECT_STREQ(ReadSteam(), "stats stored!Achievement 'Speed_King' unlocked!");
  EXPECT_EQ(ClearSteamAchievement("Speed_King"), 1);
  EXPECT_EQ(GetSteamAchievement("Speed_King"), 0);
}

TEST_F(StatsAndAchievements, UnknownAchievementsAreNeitherSetNorUnlocked) {
  EXPECT_EQ(GetSteamAchievement("Nobody"), 0);
  EXPECT_EQ(SetSteamAchievement("Nobody"), 0);
  EXPECT_EQ(ClearSteamAchievement("Nobody"), 0);
  EXPECT_EQ(SetSteamAchievement(nullptr), 0);
  EXPECT_EQ(GetSteamAchievementIcon("Nobody"), 0);
  EXPECT_STREQ(GetAchievementDisplayAttribute("Nobody", "name"), "");
}

TEST_F(StatsAndAchievements, IconsAndDisplayAttributesComeFromTheClient) {
  steam_stand_in::DefineAchievement("Bomber", {false, 31, "Bomber", "Destroy an opponent with a Bomb"});
  EXPECT_EQ(GetSteamAchievementIcon("Bomber"), 31);
  EXPECT_STREQ(GetAchievementDisplayAttribute("Bomber", "desc"), "Destroy an opponent with a Bomb");
  EXPECT_STREQ(GetAchievementDisplayAttribute("Bomber", nullptr), "");
}

TEST_F(StatsAndAchievements, ProgressGoesToTheDebuggerOutputOnly) {
  steam_stand_in::DefineAchievement("Hunter", {});
  std::string events;
  const std::string output = DebuggerOutputOf([&] {
    EXPECT_EQ(IndicateAchievementProgress("Hunter", 1, 2), 1);
    events = ReadSteam();
  });
  EXPECT_EQ(events, "");
  EXPECT_EQ(output, "Achievement 'Hunter' progress callback, (1,2)\n");
}

TEST_F(StatsAndAchievements, FailedRequestsAndStoresGoToTheDebuggerOutputOnly) {
  CloseSteam();
  steam_stand_in::SetStatsAvailable(false, 3);
  std::string events;
  const std::string requestOutput = DebuggerOutputOf([&] {
    OpenSteam(static_cast<int>(kTestAppId));
    events = ReadSteam();
  });
  EXPECT_EQ(events, "");
  EXPECT_EQ(requestOutput, "RequestStats - failed, 3\n");
  EXPECT_EQ(GetSteamStat("races"), -1);

  steam_stand_in::SetStatsAvailable(true);
  steam_stand_in::SetStoreResult(8);
  const std::string storeOutput = DebuggerOutputOf([&] {
    EXPECT_EQ(StoreSteamStats(), 1);
    events = ReadSteam();
  });
  EXPECT_EQ(events, "");
  EXPECT_EQ(storeOutput, "StoreStats - failed, 8\n");
}

TEST_F(StatsAndAchievements, TheDebuggerOutputIsSilentUnlessSwitchedOn) {
  unsetenv("ORVELINK_DEBUG");
  testing::internal::CaptureStderr();
  UploadLeaderboardScore(1, 100, "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
