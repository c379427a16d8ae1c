// Opening, closing and reading the bridge.
#include <gtest/gtest.h>

#include "bridge_fixture.h"

namespace {

TEST(OpenSteam, WithoutARunningClientFailsAndQueuesNothing) {
  steam_stand_in::Reset();
  EXPECT_EQ(OpenSteam(static_cast<int>(kTestAppId)), -1);
  EXPECT_EQ(steam_stand_in::RegisteredCallbacks(), 0u);
  EXPECT_EQ(steam_stand_in::QueuedNotifications(), 0u);
  EXPECT_STREQ(ReadSteam(), "");
}

TEST(OpenSteam, CallsAfterAFailedOpenFailQuietly) {
  steam_stand_in::Reset();
  ASSERT_EQ(OpenSteam(static_cast<int>(kTestAppId)), -1);
  EXPECT_EQ(GetSteamStat("laps"), -1);
  EXPECT_EQ(SetSteamAchievement("Speed_King"), 0);
  EXPECT_EQ(StoreSteamStats(), 0);
  EXPECT_STREQ(GetAchievementDisplayAttribute("Speed_King", "name"), "");
  EXPECT_EQ(FindLeaderboard("Track"), 0u);
  EXPECT_EQ(DownloadLeaderboardEntries(0, 1, 10), 0u);
  EXPECT_EQ(FindNumberOfCurrentPlayers(), 0u);
  CloseSteam();
  EXPECT_STREQ(ReadSteam(), "");
}

TEST(OpenSteam, AnswersWhetherTheUserIsLoggedOnAndRequestsTheStats) {
  for (const bool loggedOn : {true, false}) {
    StartStandInClient(loggedOn);
    EXPECT_EQ(OpenSteam(static_cast<int>(kTestAppId)), loggedOn ? 1 : 0);
    EXPECT_EQ(steam_stand_in::RegisteredCallbacks(), 7u);
    EXPECT_STREQ(ReadSteam(), "stats received!");
    CloseSteam();
  }
}

TEST(OpenSteam, TheGameIdIsTheLow24BitsOfTheApplicationId) {
  StartStandInClient();
  ASSERT_EQ(OpenSteam(static_cast<int>(kTestAppId | 0x7F000000u)), 1);
  EXPECT_STREQ(ReadSteam(), "stats received!");
  CloseSteam();
}

TEST(OpenSteam, OpeningAgainDeliversEachEventOnce) {
  StartStandInClient();
  ASSERT_EQ(OpenSteam(static_cast<int>(kTestAppId)), 1);
  CloseSteam();
  ASSERT_EQ(OpenSteam(static_cast<int>(kTestAppId)), 1);
  ASSERT_EQ(OpenSteam(static_cast<int>(kTestAppId)), 1);
  EXPECT_EQ(steam_stand_in::RegisteredCallbacks(), 7u);
  EXPECT_EQ(ReadAllSteam(), "stats received!stats received!");
  CloseSteam();
}

TEST_F(OpenBridge, ASecondReadWithNothingNewIsEmpty) {
  steam_stand_in::SetPlayerCount(42);
  EXPECT_NE(FindNumberOfCurrentPlayers(), 0u);
  EXPECT_STREQ(ReadSteam(), "playercount=42!");
  EXPECT_STREQ(ReadSteam(), "");
}

TEST_F(OpenBridge, NotificationsForAnotherGameAreIgnored) {
  const uint64_t otherGame = kTestAppId + 1;
  SteamUserStatsReceived received{otherGame, kSteamResultOk};
  SteamUserStatsStored stored{otherGame, kSteamResultOk};
  SteamAchievementStored unlocked{otherGame, "Speed_King", 0, 0};
  steam_stand_in::Post(SteamUserStatsReceived::kNumber, &received, sizeof received);
  steam_stand_in::Post(SteamUserStatsStored::kNumber, &stored, sizeof stored);
  steam_stand_in::Post(SteamAchievementStored::kNumber, &unlocked, sizeof unlocked);
  EXPECT_STREQ(ReadSteam(), "");
}

// 500 events of 19 characters: more than one read buffer of 4095 characters holds.
TEST_F(OpenBridge, EventsLongerThanTheReadBufferAllArriveInOrderAcrossReads) {
  std::string expected;
  for (int index = 0; index < 500; ++index) {
    const SteamNumberOfCurrentPlayers count{100000 + index};
    steam_stand_in::Post(SteamNumberOfCurrentPlayers::kNumber, &count, sizeof count);
    expected += "playercount=" + std::to_string(100000 + index) + "!";
  }
  std::string received = ReadSteam();
  EXPECT_LE(received.size(), 4095u);
  EXPECT_EQ(received.back(), '!') << "whole events only";
  steam_stand_in::SetPlayerCount(7);
  FindNumberOfCurrentPlayers();  // arrives after everything already pending
  expected += "playercount=7!";
  int reads = 1;
  for (std::string text = ReadSteam(); !text.empty(); text = ReadSteam(), ++reads) {
    EXPECT_LE(text.size(), 4095u);
    received += text;
  }
  EXPECT_EQ(received, expected);
  EXPECT_EQ(reads, 3);
}

}  // namespace
