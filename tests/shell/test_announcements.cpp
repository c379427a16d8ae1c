#include <gtest/gtest.h>

#include "platform/audio_channel.h"
#include "shell/announcements.h"
#include "shell/game_state.h"

namespace {

struct FakeChannel : TChannel {
  int playing = 0;
  float volume = -1, rate = -1;
  std::vector<TSound*> played;
  void Stop() override { playing = 0; }
  void SetPaused(int) override {}
  void SetVolume(float v) override { volume = v; }
  void SetPan(float) override {}
  void SetDepth(float) override {}
  void SetRate(float r) override { rate = r; }
  int Playing() override { return playing; }
};

struct FakeSound : TSound {
  TChannel* Play(TChannel* channel) override {
    auto* fake = static_cast<FakeChannel*>(channel);
    fake->played.push_back(this);
    fake->playing = 1;
    return channel;
  }
  TChannel* Cue(TChannel* channel) override { return channel; }
};

class AnnouncementTest : public testing::Test {
 protected:
  void SetUp() override {
    SoundQueue.clear();
    Channel3 = &channel_;
    FxVolume = 0.7f;
  }
  void TearDown() override {
    SoundQueue.clear();
    Channel3 = nullptr;
  }
  FakeChannel channel_;
  FakeSound three_, two_, one_;
};

TEST_F(AnnouncementTest, PlaysOneAtATimeInOrderWhenTheChannelIsFree) {
  QueueAnnouncement(&three_);
  QueueAnnouncement(&two_);
  QueueAnnouncement(&one_);
  PlayQueuedSounds();
  PlayQueuedSounds();  // still speaking: the rest wait
  ASSERT_EQ(channel_.played, (std::vector<TSound*>{&three_}));
  EXPECT_FLOAT_EQ(channel_.volume, 0.7f);
  EXPECT_FLOAT_EQ(channel_.rate, 0.9f);
  channel_.playing = 0;
  PlayQueuedSounds();
  channel_.playing = 0;
  PlayQueuedSounds();
  EXPECT_EQ(channel_.played, (std::vector<TSound*>{&three_, &two_, &one_}));
  EXPECT_TRUE(SoundQueue.empty());
}

TEST_F(AnnouncementTest, WithoutAChannelTheQueueStillDrains) {
  Channel3 = nullptr;
  QueueAnnouncement(&three_);
  QueueAnnouncement(nullptr);
  PlayQueuedSounds();
  PlayQueuedSounds();
  EXPECT_TRUE(SoundQueue.empty());
}

}  // namespace
