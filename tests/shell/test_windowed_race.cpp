// The windowed race's own rules: pausing keeps paused time out of the race, and the music
// player's history keeps a race piece from coming back within four pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/clock.h"
#include "platform/input.h"
#include "race/car.h"
#include "shell/game_state.h"
#include "shell/game_time.h"
#include "shell/music_player.h"
#include "shell/random.h"
#include "shell/windowed_race.h"
#include "track/track.h"

namespace {

class WindowedRacePause : public testing::Test {
 protected:
  void SetUp() override {
    UseVirtualClock(10000);
    StartTime = 0;
    RefreshGameTime();
    Track = TTrack::Create();
    Track->mode = 2;
  }
  void TearDown() override {
    Track.reset();
    UseSystemClock();
  }
};

TEST_F(WindowedRacePause, AMinutePausedDoesNotCount) {
  const int before = GameTime;
  PauseRace();
  EXPECT_EQ(Track->mode, 3);
  AdvanceVirtualClock(60000);
  PauseRace();
  EXPECT_EQ(Track->mode, 2);
  EXPECT_EQ(GameTime, before);
  AdvanceVirtualClock(500);
  RefreshGameTime();
  EXPECT_EQ(GameTime, before + 500);
}

TEST_F(WindowedRacePause, EscapePausesAndResumesOncePerPress) {
  TWindowedRaceClient client;
  EmitInputEvent({kEventKeyDown, 27, 0, 0});
  client.CheckInput();
  EXPECT_EQ(Track->mode, 3);
  client.CheckInput();
  EXPECT_EQ(Track->mode, 3) << "a held key is one press";
  EmitInputEvent({kEventKeyUp, 27, 0, 0});
  EmitInputEvent({kEventKeyDown, 27, 0, 0});
  client.CheckInput();
  EXPECT_EQ(Track->mode, 2);
  EmitInputEvent({kEventKeyUp, 27, 0, 0});
}

TEST(MusicHistory, ARacePieceIsNoneOfTheLastFour) {
  SeedRnd(7);
  for (const TMusicHistory history : {TMusicHistory{1, 2, 3, 4}, TMusicHistory{8, 7, 6, 5}, TMusicHistory{-1, 2, 5, 8}}) {
    std::set<int> seen;
    for (int draw = 0; draw < 400; ++draw) {
      const int piece = ChooseRacePiece(history);
      ASSERT_GE(piece, 1);
      ASSERT_LE(piece, 8);
      ASSERT_EQ(std::count(history.begin(), history.end(), piece), 0) << piece;
      seen.insert(piece);
    }
    EXPECT_GE(seen.size(), 4u - static_cast<size_t>(std::count(history.begin(), history.end(), -1)))
        << "every piece not heard lately comes up";
  }
}

TEST(MusicHistory, NewestFirstAndTheOldestDropsOut) {
  TMusicHistory history{};
  for (int piece : {-1, 3, 5, 2, 7}) PushMusicHistory(history, piece);
  EXPECT_EQ(history, (TMusicHistory{7, 2, 5, 3}));
}

// A run of race pieces through PlayMusic itself: the fades between them are answered by the
// shoot control, pressed from the fade's own frame.
TEST(MusicHistory, PlayMusicNeverRepeatsOneOfTheLastFour) {
  UseVirtualClock(0);
  SeedRnd(3);
  int prompts = 0;
  SetFadeFrame([&prompts](const std::string& prompt) {
    AdvanceVirtualClock(17);
    if (prompt.empty()) return;
    ++prompts;
    EmitInputEvent({kEventKeyDown, Controls[6], 0, 0});
  });
  PlayMusic(-1);
  std::vector<int> started{-1};
  for (int race = 0; race < 40; ++race) {
    EmitInputEvent({kEventKeyUp, Controls[6], 0, 0});
    PlayMusic(0);
    started.push_back(MusicHistory()[0]);
    ASSERT_FALSE(MusicCaption().empty());
  }
  for (size_t i = 1; i < started.size(); ++i) {
    for (size_t back = 1; back <= 4 && back <= i; ++back) ASSERT_NE(started[i], started[i - back]) << i;
  }
  EXPECT_EQ(prompts, 40) << "every race piece after the first is preceded by the prompt";
  EmitInputEvent({kEventKeyUp, Controls[6], 0, 0});
  SetFadeFrame(nullptr);
  StopMusic();
  UseSystemClock();
}

}  // namespace
