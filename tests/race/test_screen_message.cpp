// Screen messages: queueing at one place, the fades and the growth over a message's life.
#include <vector>

#include "effects_fixture.h"

namespace {

using ScreenMessages = EffectsTest;

TEST_F(ScreenMessages, CreateStartsNowAndLastsTheDelay) {
  GameTime = 2000;
  TScreenMessage::Create(400, 200, "GO!", 750, 2);
  ASSERT_EQ(TScreenMessage::list().size(), 1u);
  const TScreenMessage& m = TScreenMessage::list().front();
  EXPECT_EQ(m.message, "GO!");
  EXPECT_EQ(m.starttime, 2000);
  EXPECT_EQ(m.finishtime, 2750);
  EXPECT_FLOAT_EQ(m.alfa, 1);
  EXPECT_FLOAT_EQ(m.scl, 2);
}

TEST_F(ScreenMessages, TwoAtOnePlaceShowOneAfterTheOther) {
  TScreenMessage::Create(400, 500, "Laser", 1500, 0.75f);
  TScreenMessage::Create(400, 500, "Achievement! Speedster", 1500, 0.75f);
  TScreenMessage::DrawAll();
  const TScreenMessage& second = TScreenMessage::list()[1];
  EXPECT_EQ(second.starttime, 2000) << "half a second after the first has gone";
  EXPECT_EQ(second.finishtime, 3500);

  GameTime = 1501;
  TScreenMessage::DrawAll();
  ASSERT_EQ(TScreenMessage::list().size(), 1u);
  EXPECT_EQ(TScreenMessage::list().front().message, "Achievement! Speedster");
  EXPECT_EQ(TScreenMessage::list().front().starttime, 2000) << "not moved again once alone";

  GameTime = 3501;
  TScreenMessage::DrawAll();
  EXPECT_TRUE(TScreenMessage::list().empty());
}

TEST_F(ScreenMessages, ThreeAtOnePlaceFormAQueue) {
  for (int k = 0; k < 3; ++k) TScreenMessage::Create(10, 10, "x", 1000, 1);
  TScreenMessage::DrawAll();
  std::vector<int> starts;
  for (const TScreenMessage& m : TScreenMessage::list()) starts.push_back(m.starttime);
  EXPECT_EQ(starts, (std::vector<int>{0, 1500, 3000}));
}

TEST_F(ScreenMessages, MessagesAtOtherPlacesDoNotWait) {
  TScreenMessage::Create(400, 500, "a", 1500, 1);
  TScreenMessage::Create(400, 501, "b", 1500, 1);
  TScreenMessage::Create(401, 501, "c", 1500, 1);
  TScreenMessage::DrawAll();
  for (const TScreenMessage& m : TScreenMessage::list()) EXPECT_EQ(m.starttime, 0) << m.message;
}

TEST_F(ScreenMessages, ALongerLifeFadesInHoldsFadesOutAndGrowsByHalf) {
  // 1500 ms: a time unit of 15 ms, fades over 25 units = 375 ms.
  struct Frame {
    int time;
    float alfa, scale;
  };
  const std::vector<Frame> frames = {
      {0, 0, 1},        {150, 0.4f, 1.05f},  {300, 0.8f, 1.1f},    {374, 374 / 375.0f, 1 + 374 / 3000.0f},
      {375, 1, 1.125f},   {1125, 1, 1.375f},   {1200, 0.8f, 1.4f},
      {1350, 0.4f, 1.45f}, {1500, 0, 1.5f},
  };
  TScreenMessage::Create(400, 300, "Final Lap", 1500, 1);
  for (const Frame& f : frames) {
    GameTime = f.time;
    TScreenMessage::DrawAll();
    ASSERT_EQ(TScreenMessage::list().size(), 1u) << "at " << f.time;
    const TScreenMessage& m = TScreenMessage::list().front();
    EXPECT_NEAR(m.alfa, f.alfa, 1e-5) << "at " << f.time;
    EXPECT_NEAR(m.CurrentScale(), f.scale, 1e-5) << "at " << f.time;
  }
  GameTime = 1501;
  TScreenMessage::DrawAll();
  EXPECT_TRUE(TScreenMessage::list().empty());
}

TEST_F(ScreenMessages, FirstDrawnInMidLifeItIsFullyShown) {
  TScreenMessage::Create(400, 300, "Turbo", 1500, 1);
  TScreenMessage::DrawAll();
  GameTime = 750;
  TScreenMessage::DrawAll();
  EXPECT_FLOAT_EQ(TScreenMessage::list().front().alfa, 1) << "not left at the alpha of its first frame";
}

TEST_F(ScreenMessages, NotDrawnBeforeItsStart) {
  TScreenMessage m;
  m.starttime = 100;
  m.finishtime = 900;
  m.alfa = 1;
  EXPECT_TRUE(m.Draw());
  EXPECT_FLOAT_EQ(m.alfa, 1) << "untouched while waiting";
}

TEST_F(ScreenMessages, AShortLifeUsesAOneMillisecondUnit) {
  TScreenMessage::Create(0, 0, "", 0, 1);
  TScreenMessage::DrawAll();
  ASSERT_EQ(TScreenMessage::list().size(), 1u);
  EXPECT_FLOAT_EQ(TScreenMessage::list().front().alfa, 0);
  GameTime = 1;
  TScreenMessage::DrawAll();
  EXPECT_TRUE(TScreenMessage::list().empty());
}

TEST_F(ScreenMessages, ClearAllEmptiesTheList) {
  TScreenMessage::Create(0, 0, "a", 1000, 1);
  TScreenMessage::Create(0, 0, "b", 1000, 1);
  TScreenMessage::ClearAll();
  EXPECT_TRUE(TScreenMessage::list().empty());
}

}  // namespace
