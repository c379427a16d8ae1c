#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/audio_driver.h"
#include "platform/audio_freeaudio_driver.h"
#include "platform/ram_stream.h"
#include "test_audio_ogg_writer.h"

namespace {

constexpr int kLevel = 10000;

// A sound of frames at the mixer's own rate holding one level, so that mixed output can be
// checked value by value.
std::unique_ptr<TSound> LevelSound(int frames, int flags, int level = kLevel) {
  TAudioSample sample = TAudioSample::Create(frames, TFreeAudioOutput::kHertz, kSampleMono16LE);
  for (int i = 0; i < frames; ++i) {
    sample.samples[i * 2] = static_cast<uint8_t>(level & 0xFF);
    sample.samples[i * 2 + 1] = static_cast<uint8_t>((level >> 8) & 0xFF);
  }
  return LoadSound(std::move(sample), flags);
}

// The software mixer with no device behind it: the tests run its mixing by hand.
class FreeAudioTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static bool registered = false;
    if (!registered) RegisterAudioDriver(std::make_unique<TFreeAudioAudioDriver>("FreeAudio Manual", TFreeAudioAudioDriver::Output::Manual));
    registered = true;
  }
  void SetUp() override {
    ASSERT_EQ(SetAudioDriver("FreeAudio Manual"), 1);
    mixer_ = static_cast<TFreeAudioAudioDriver&>(AudioDriver()).Mixer();
    ASSERT_NE(mixer_, nullptr);
  }
  void TearDown() override { ShutdownAudio(); }

  // The left channel of count mixed frames.
  std::vector<int> Mix(int count) {
    std::vector<int16_t> frames(static_cast<size_t>(count) * 2);
    mixer_->Mix(frames.data(), count);
    std::vector<int> left;
    for (int i = 0; i < count; ++i) left.push_back(frames[static_cast<size_t>(i) * 2]);
    return left;
  }
  static bool AllAt(const std::vector<int>& values, int level) {
    return std::all_of(values.begin(), values.end(), [level](int v) { return v == level; });
  }

  TFreeAudioMixer* mixer_ = nullptr;
};

}  // namespace

TEST_F(FreeAudioTest, ACuedLoopingSoundIsSilentUntilUnpausedThenLoopsUntilStopped) {
  std::unique_ptr<TSound> sound = LevelSound(100, kSoundLoop);
  std::unique_ptr<TChannel> channel = AllocChannel();
  EXPECT_EQ(CueSound(sound.get(), channel.get()), channel.get());
  EXPECT_EQ(channel->Playing(), 0);
  EXPECT_TRUE(AllAt(Mix(300), 0));

  channel->SetPaused(0);
  EXPECT_EQ(channel->Playing(), 1);
  EXPECT_TRUE(AllAt(Mix(1050), kLevel));  // ten and a half times round
  EXPECT_EQ(channel->Playing(), 1);

  channel->Stop();
  EXPECT_EQ(channel->Playing(), 0);
  EXPECT_TRUE(AllAt(Mix(200), 0));
}

TEST_F(FreeAudioTest, ATemporaryChannelPlaysUntilItsSoundEndsAndIsThenReused) {
  std::unique_ptr<TSound> crash = LevelSound(1000, 0);
  TChannel* first = PlaySound(crash.get(), nullptr);
  ASSERT_NE(first, nullptr);
  first->SetVolume(0.5f);
  TChannel* second = PlaySound(crash.get(), nullptr);
  EXPECT_NE(second, first);  // the first one is still busy
  second->Stop();

  Mix(999);
  EXPECT_EQ(first->Playing(), 1);
  Mix(1);
  EXPECT_EQ(first->Playing(), 0);

  TChannel* again = PlaySound(crash.get(), nullptr);
  EXPECT_TRUE(again == first || again == second);
  EXPECT_EQ(again->Playing(), 1);
  // The reused channel starts at full volume, not at the last sound's.
  EXPECT_TRUE(AllAt(Mix(10), kLevel));
}

TEST_F(FreeAudioTest, AStoppedChannelIgnoresVolumeAndPlay) {
  std::unique_ptr<TSound> sound = LevelSound(500, kSoundLoop);
  std::unique_ptr<TChannel> channel = AllocChannel();
  PlaySound(sound.get(), channel.get());
  channel->Stop();
  channel->SetVolume(1.0f);
  channel->SetPaused(0);
  PlaySound(sound.get(), channel.get());
  EXPECT_EQ(channel->Playing(), 0);
  EXPECT_TRUE(AllAt(Mix(100), 0));
}

struct VolumeCase {
  const char* name;
  float volume;
  int level;
};

void PrintTo(const VolumeCase& c, std::ostream* os) { *os << c.name; }

class FreeAudioVolumeTest : public FreeAudioTest, public testing::WithParamInterface<VolumeCase> {};

TEST_P(FreeAudioVolumeTest, ScalesTheOutputAndPlaysLoudRequestsAtFullVolume) {
  std::unique_ptr<TSound> sound = LevelSound(100, 0);
  std::unique_ptr<TChannel> channel = AllocChannel();
  channel->SetVolume(GetParam().volume);  // set before the sound: it carries over
  PlaySound(sound.get(), channel.get());
  EXPECT_TRUE(AllAt(Mix(50), GetParam().level));
}

INSTANTIATE_TEST_SUITE_P(Volumes, FreeAudioVolumeTest,
                         testing::Values(VolumeCase{"Silent", 0.0f, 0}, VolumeCase{"Half", 0.5f, kLevel / 2},
                                         VolumeCase{"Full", 1.0f, kLevel}, VolumeCase{"Hundred", 100.0f, kLevel},
                                         VolumeCase{"Negative", -2.0f, 0}),
                         [](const testing::TestParamInfo<VolumeCase>& param_info) { return param_info.param.name; });

struct MixerRateCase {
  const char* name;
  float rate;
  int frames_to_end;
};

void PrintTo(const MixerRateCase& c, std::ostream* os) { *os << c.name; }

class FreeAudioRateTest : public FreeAudioTest, public testing::WithParamInterface<MixerRateCase> {};

TEST_P(FreeAudioRateTest, ChangesHowLongTheSoundLasts) {
  std::unique_ptr<TSound> sound = LevelSound(1000, 0);
  TChannel* channel = PlaySound(sound.get(), nullptr);
  channel->SetRate(GetParam().rate);
  Mix(GetParam().frames_to_end - 1);
  EXPECT_EQ(channel->Playing(), 1);
  Mix(1);
  EXPECT_EQ(channel->Playing(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rates, FreeAudioRateTest,
                         testing::Values(MixerRateCase{"Normal", 1.0f, 1000}, MixerRateCase{"Double", 2.0f, 500},
                                         MixerRateCase{"Half", 0.5f, 2000}),
                         [](const testing::TestParamInfo<MixerRateCase>& param_info) { return param_info.param.name; });

TEST_F(FreeAudioTest, PausingHoldsThePlaceAndAnEndedSoundDoesNotResume) {
  std::unique_ptr<TSound> sound = LevelSound(100, 0);
  std::unique_ptr<TChannel> channel = AllocChannel();
  PlaySound(sound.get(), channel.get());
  Mix(60);
  channel->SetPaused(1);
  EXPECT_EQ(channel->Playing(), 0);
  EXPECT_TRUE(AllAt(Mix(500), 0));
  channel->SetPaused(0);
  EXPECT_TRUE(AllAt(Mix(40), kLevel));
  EXPECT_EQ(channel->Playing(), 0);
  channel->SetPaused(0);
  EXPECT_EQ(channel->Playing(), 0);
  EXPECT_TRUE(AllAt(Mix(10), 0));
}

TEST_F(FreeAudioTest, VoicesAddUpAndTheSumIsClipped) {
  std::unique_ptr<TSound> loud = LevelSound(100, 0, 30000);
  PlaySound(loud.get(), nullptr);
  PlaySound(loud.get(), nullptr);
  EXPECT_TRUE(AllAt(Mix(50), 32767));
}

TEST_F(FreeAudioTest, ReleasingASoundWhileItPlaysLetsItFinish) {
  std::unique_ptr<TSound> sound = LevelSound(100, 0);
  TChannel* channel = PlaySound(sound.get(), nullptr);
  sound.reset();
  EXPECT_TRUE(AllAt(Mix(100), kLevel));
  EXPECT_EQ(channel->Playing(), 0);
}

TEST_F(FreeAudioTest, ChannelsKeptAfterShutdownIgnoreEveryCall) {
  std::unique_ptr<TSound> sound = LevelSound(100, kSoundLoop);
  std::unique_ptr<TChannel> channel = AllocChannel();
  PlaySound(sound.get(), channel.get());
  ShutdownAudio();
  EXPECT_EQ(channel->Playing(), 0);
  channel->SetVolume(1.0f);
  channel->SetPaused(0);
  EXPECT_EQ(PlaySound(sound.get(), channel.get()), channel.get());
  EXPECT_EQ(channel->Playing(), 0);
}

TEST(FreeAudioDevice, PlaysThroughSdlAudioInRealTime) {
  ASSERT_EQ(SetAudioDriver("FreeAudio"), 1) << SDL_GetCurrentAudioDriver();
  const std::string ogg = EncodeOggVorbis(SineTone(2205, 2, 44100, 440.0), 2, 44100);  // 50 ms
  TRamStream stream(reinterpret_cast<const unsigned char*>(ogg.data()), ogg.size());
  std::unique_ptr<TSound> sound = LoadSound(stream, 0);
  ASSERT_NE(sound, nullptr);
  TChannel* channel = PlaySound(sound.get(), nullptr);
  EXPECT_EQ(channel->Playing(), 1);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (channel->Playing() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(channel->Playing(), 0);
  ShutdownAudio();
}
