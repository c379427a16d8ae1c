// The start sequence and the end of a race: the countdown, the record write and the
// race type's result.
#include <vector>

#include "progress/game_db.h"
#include "race/screen_message.h"
#include "race_fixture.h"

namespace {

class StartSequenceTest : public RaceTest {
 protected:
  void SetUp() override {
    RaceTest::SetUp();
    Track->racestatus = 0;
    Track->gridstarttime = 0;
    CountdownStep = 3;
    TScreenMessage::ClearAll();
    SoundQueue.clear();
  }
  void TearDown() override {
    TScreenMessage::ClearAll();
    SoundQueue.clear();
    RaceTest::TearDown();
  }
  void At(int sinceGrid) {
    GameTime = start_ + sinceGrid;
    UpdateStartSequence();
  }
  int start_ = 100000;
};

TEST_F(StartSequenceTest, CountsDownThreeTwoOneThenStartsAtSixSeconds) {
  TCar& player = AddShip(1000, 1000, 1);
  At(0);
  EXPECT_EQ(Track->gridstarttime, start_);
  EXPECT_FLOAT_EQ(player.shieldalpha, 1);
  At(3000);
  EXPECT_TRUE(TScreenMessage::list().empty());  // "after" 3000 ms, not at it
  const char* expected[] = {"3", "2", "1"};
  const int times[] = {3001, 4001, 5001};
  for (int i = 0; i < 3; ++i) {
    At(times[i]);
    ASSERT_EQ(TScreenMessage::list().size(), static_cast<size_t>(i + 1));
    EXPECT_EQ(TScreenMessage::list().back().message, expected[i]);
    EXPECT_EQ(Track->racestatus, 0);
  }
  EXPECT_EQ(SoundQueue.size(), 3u);
  At(6001);
  EXPECT_EQ(Track->racestatus, 1);
  EXPECT_EQ(Track->racestarttime, start_ + 6001);
  EXPECT_EQ(CountdownStep, 3);
  EXPECT_FLOAT_EQ(BannerFade, 10);
  EXPECT_EQ(SoundQueue.size(), 4u);
}

TEST_F(StartSequenceTest, AFrameLateAfterAStallGivesEveryCountAndTheStart) {
  AddShip();
  At(0);
  At(9000);
  ASSERT_EQ(TScreenMessage::list().size(), 4u);  // shown one after another at one place
  EXPECT_EQ(Track->racestatus, 1);
}

class RaceEndTest : public RaceTest {
 protected:
  void SetUp() override {
    RaceTest::SetUp();
    ASSERT_EQ(OpenGameDb(":memory:"), 0);  // SQLite's OK
    GameDb->Query("CREATE TABLE records(trackname TEXT PRIMARY KEY, laprecord INTEGER, lapholder TEXT)");
    Track->name = "Ruze";
    RaceHooks.messageBox = [this](const std::string& key) { boxes_.push_back(key); };
    RaceHooks.checkAchievement = [this](int event) { events_.push_back(event); };
  }
  void TearDown() override {
    RaceHooks = TRaceHooks{};
    CloseGameDb();
    RaceTest::TearDown();
  }
  std::vector<std::string> boxes_;
  std::vector<int> events_;
};

TEST_F(RaceEndTest, QuitStoresTheLapRecordEvenWithAQuoteInTheHoldersName) {
  TCar& ship = AddShip();
  ship.racefinishtime = 90000;
  Track->laprecord = 28123;
  Track->lapholder = "O'Neil";
  QuitRace();
  EXPECT_EQ(DbGetIntWhere("laprecord", "records", "trackname", "Ruze"), 28123);
  EXPECT_EQ(DbGetStringWhere("lapholder", "records", "trackname", "Ruze"), "O'Neil");
  EXPECT_EQ(Track->mode, 0);
  // Leaving again replaces the row instead of adding a second one.
  Track->laprecord = 27000;
  QuitRace();
  EXPECT_EQ(DbGetIntWhere("laprecord", "records", "trackname", "Ruze"), 27000);
}

TEST_F(RaceEndTest, APlayersNewRecordAsksForTheHoldersName) {
  int asked = 0;
  RaceHooks.storeLapRecord = [&] {
    ++asked;
    Track->lapholder = "Ace";
  };
  TCar& player = AddShip(1000, 1000, 1);
  player.name = "Ranger";
  Track->laprecord = 30000;
  Track->lapholder = "Ranger";
  QuitRace();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(DbGetStringWhere("lapholder", "records", "trackname", "Ruze"), "Ace");
  QuitRace();  // the stored record is the track's now: no second question
  EXPECT_EQ(asked, 1);
}

TEST_F(RaceEndTest, EachRaceTypeShowsItsResult) {
  const struct {
    int raceType;
    bool playerWins;
    const char* box;
    int achievement;
  } cases[] = {
      {1, true, "", 1},
      {1, false, "", 0},
      {3, true, "CMESSAGE_ELIMINATOR_WIN", 4},
      {3, false, "CMESSAGE_ELIMINATOR_LOSE", 0},
      {4, true, "CMESSAGE_SURVIVAL_WIN", 3},
      {4, false, "CMESSAGE_SURVIVAL_LOSE", 0},
  };
  for (const auto& c : cases) {
    TCar::list().clear();
    CarStore().clear();
    boxes_.clear();
    events_.clear();
    RaceType = c.raceType;
    TCar& player = AddShip(1000, 1000, 1);
    TCar& rival = AddShip();
    TCar& winner = c.playerWins ? player : rival;
    TCar& loser = c.playerWins ? rival : player;
    winner.racefinishtime = 50000;
    winner.lapscomplete = 3;
    loser.lapscomplete = 2;
    loser.damage = 100;
    QuitRace();
    EXPECT_EQ(boxes_.empty() ? std::string() : boxes_.front(), c.box) << c.raceType;
    EXPECT_EQ(events_.empty() ? 0 : events_.front(), c.achievement) << c.raceType;
  }
}

}  // namespace
