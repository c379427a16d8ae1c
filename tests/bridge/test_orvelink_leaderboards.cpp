// Leaderboards through the bridge.
#include <gtest/gtest.h>

#include <vector>

#include "bridge_fixture.h"

namespace {

using steam_stand_in::Entry;

class Leaderboards : public OpenBridge {
 protected:
  // Finds the board and reads the found event.
  std::string Find(const std::string& name) {
    EXPECT_NE(FindLeaderboard(name.c_str()), 0u);
    return ReadSteam();
  }
};

TEST_F(Leaderboards, AFoundLeaderboardBecomesTheCurrentOne) {
  steam_stand_in::DefineLeaderboard("Test Track", kSteamSortAscending, {{1, 500, {}}, {2, 700, {}}, {3, 900, {}}});
  EXPECT_EQ(Find("Test Track"), "found=Test Track:3!");
  EXPECT_NE(DownloadLeaderboardEntries(kSteamDownloadGlobal, 1, 10), 0u);
}

TEST_F(Leaderboards, AMissingLeaderboardLeavesNoneCurrent) {
  steam_stand_in::DefineLeaderboard("Test Track");
  Find("Test Track");
  EXPECT_EQ(Find("Other Track"), "");
  EXPECT_EQ(DownloadLeaderboardEntries(kSteamDownloadGlobal, 1, 10), 0u);
  const std::string output = DebuggerOutputOf([] { UploadLeaderboardScore(kSteamUploadKeepBest, 100, "x"); });
  EXPECT_EQ(output, "no leaderboard open\n");
  EXPECT_FALSE(steam_stand_in::LastUpload().has_value());
}

TEST_F(Leaderboards, FindOrCreateMakesAMissingLeaderboard) {
  EXPECT_NE(FindOrCreateLeaderboard("New Track", kSteamSortAscending, 1), 0u);
  EXPECT_STREQ(ReadSteam(), "found=New Track:0!");
  EXPECT_TRUE(steam_stand_in::LeaderboardExists("New Track"));
}

TEST_F(Leaderboards, AVeryLongNameStillEndsItsEvent) {
  const std::string name(200, 'L');
  steam_stand_in::DefineLeaderboard(name);
  const std::string event = Find(name);
  EXPECT_EQ(event.size(), 127u);
  EXPECT_EQ(event.substr(event.size() - 3), ":0!");
}

TEST_F(Leaderboards, DetailsGoUpAsOneValuePerCharacterAndAClosingZero) {
  steam_stand_in::DefineLeaderboard("Test Track");
  Find("Test Track");
  struct Case {
    std::string details;
    std::vector<int32_t> values;
  };
  std::vector<int32_t> longValues(255, 'z');
  longValues.push_back(0);
  const Case cases[] = {
      {"", {0}},
      {"ab", {'a', 'b', 0}},
      {"\xE9!", {-23, '!', 0}},  // bytes are sign-extended
      {std::string(300, 'z'), longValues},
  };
  for (const Case& test : cases) {
    UploadLeaderboardScore(kSteamUploadForceUpdate, 1234, test.details.c_str());
    ASSERT_TRUE(steam_stand_in::LastUpload().has_value());
    EXPECT_EQ(steam_stand_in::LastUpload()->details, test.values) << test.details.size() << " characters";
    EXPECT_EQ(steam_stand_in::LastUpload()->leaderboard, "Test Track");
    EXPECT_EQ(steam_stand_in::LastUpload()->score, 1234);
  }
}

TEST_F(Leaderboards, OnlyAnUploadThatChangesTheScoreIsReported) {
  steam_stand_in::DefineLeaderboard("Test Track", kSteamSortAscending, {{7, 800, {}}, {8, 1200, {}}});
  Find("Test Track");
  struct Case {
    const char* what;
    bool succeeds;
    int method;
    int32_t score;
    const char* event;
  };
  const Case cases[] = {
      {"first score", true, kSteamUploadKeepBest, 1000, "upload=1000:2:0!"},
      {"same score", true, kSteamUploadKeepBest, 1000, ""},
      {"worse score kept out", true, kSteamUploadKeepBest, 1100, ""},
      {"better score", true, kSteamUploadKeepBest, 700, "upload=700:1:2!"},
      {"forced worse score", true, kSteamUploadForceUpdate, 1300, "upload=1300:3:1!"},
      {"server refuses", false, kSteamUploadForceUpdate, 500, ""},
  };
  for (const Case& test : cases) {
    steam_stand_in::SetUploadSucceeds(test.succeeds);
    UploadLeaderboardScore(test.method, test.score, "");
    EXPECT_STREQ(ReadSteam(), test.event) << test.what;
  }
}

TEST_F(Leaderboards, DownloadedEntriesShowScoreRankIdAndDetailCharacters) {
  const std::vector<int32_t> many(300, 'm');
  steam_stand_in::DefineLeaderboard("Test Track", kSteamSortAscending,
                                    {{kTestUserId, 900, {'a', 'b', 0}}, {0xFFFFFFFFull, 950, many}});
  Find("Test Track");
  EXPECT_NE(DownloadLeaderboardEntries(kSteamDownloadGlobal, 1, 10), 0u);
  const std::string expected = std::string("download=2!900:1:66:ab\0!", 24) + "950:2:-1:" + std::string(256, 'm') + "!";
  const char* text = ReadSteam();
  EXPECT_EQ(std::string(text, expected.size()), expected);
  EXPECT_EQ(text[expected.size()], '\0');
}

TEST_F(Leaderboards, DetailValuesShowAsTheirLowByte) {
  steam_stand_in::DefineLeaderboard("Test Track", kSteamSortAscending, {{1, 5, {0x141, -1}}});
  Find("Test Track");
  DownloadLeaderboardEntries(kSteamDownloadGlobal, 1, 1);
  EXPECT_STREQ(ReadSteam(), "download=1!5:1:1:A\xFF!");
}

}  // namespace
