#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio_driver.h"
#include "platform/audio_openal_driver.h"
#include "platform/debug_output.h"
#include "platform/ram_stream.h"
#include "test_audio_ogg_writer.h"

namespace {

constexpr int kHertz = 44100;
// OpenAL Soft dithers its 16-bit output: silence comes out as values of a step or two.
constexpr int kSilence = 4;
// OpenAL Soft's default limit; more sounds than this only play if sources are recycled.
constexpr int kSourceLimit = 256;

std::unique_ptr<TSound> ToneSound(int frames, int flags) {
  const std::string ogg = EncodeOggVorbis(SineTone(frames, 1, kHertz, 441.0), 1, kHertz);
  TRamStream stream(reinterpret_cast<const unsigned char*>(ogg.data()), ogg.size());
  return LoadSound(stream, flags);
}

// OpenAL on a loopback device, which mixes only when the test renders.
class OpenALTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static bool registered = false;
    if (!registered) {
      RegisterAudioDriver(TOpenALAudioDriver::Loopback(TOpenALLibrary::Open(), "OpenAL Loopback", kHertz));
    }
    registered = true;
  }
  void SetUp() override {
    ASSERT_EQ(SetAudioDriver("OpenAL Loopback"), 1);
    driver_ = static_cast<TOpenALAudioDriver*>(&AudioDriver());
  }
  void TearDown() override {
    SetDebugOutput(false);
    ShutdownAudio();
  }

  // The loudest value in count rendered frames.
  int Render(int count) {
    std::vector<int16_t> frames(static_cast<size_t>(count) * 2);
    EXPECT_TRUE(driver_->RenderSamples(frames.data(), count));
    int peak = 0;
    for (int16_t value : frames) peak = std::max(peak, std::abs(static_cast<int>(value)));
    return peak;
  }

  TOpenALAudioDriver* driver_ = nullptr;
};

}  // namespace

TEST_F(OpenALTest, ACuedLoopingSoundIsSilentUntilUnpausedThenLoopsUntilStopped) {
  std::unique_ptr<TSound> sound = ToneSound(4410, kSoundLoop);
  std::unique_ptr<TChannel> channel = AllocChannel();
  CueSound(sound.get(), channel.get());
  EXPECT_EQ(channel->Playing(), 0);
  EXPECT_LE(Render(8820), kSilence);

  channel->SetPaused(0);
  EXPECT_EQ(channel->Playing(), 1);
  for (int lap = 0; lap < 5; ++lap) EXPECT_GT(Render(4410), 1000) << lap;
  EXPECT_EQ(channel->Playing(), 1);

  channel->Stop();
  EXPECT_EQ(channel->Playing(), 0);
  Render(1024);  // lets a click-free fade-out finish
  EXPECT_LE(Render(4410), kSilence);
}

TEST_F(OpenALTest, ATemporaryChannelPlaysUntilItsSoundEndsThenItsSourceIsRecycled) {
  std::unique_ptr<TSound> crash = ToneSound(2205, 0);
  TChannel* first = PlaySound(crash.get(), nullptr);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Playing(), 1);
  const int full = Render(1000);
  first->SetVolume(0.1f);
  Render(1000);
  EXPECT_EQ(first->Playing(), 1);
  Render(1000);
  EXPECT_EQ(first->Playing(), 0);

  SetDebugOutput(true);
  testing::internal::CaptureStderr();
  TChannel* again = PlaySound(crash.get(), nullptr);
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(again, first);
  EXPECT_EQ(again->Playing(), 1);
  EXPECT_NE(log.find("Recycled OpenAL source "), std::string::npos) << log;
  EXPECT_NEAR(Render(1000), full, full / 20);  // the recycled source does not keep the last sound's volume
}

TEST_F(OpenALTest, ManyShortSoundsNeverRunOutOfSources) {
  std::unique_ptr<TSound> crash = ToneSound(441, 0);
  constexpr int kBurst = 16;
  for (int burst = 0; burst < 2 * kSourceLimit / kBurst; ++burst) {
    for (int i = 0; i < kBurst; ++i) ASSERT_EQ(PlaySound(crash.get(), nullptr)->Playing(), 1) << burst;
    Render(882);
  }
}

TEST_F(OpenALTest, AStoppedChannelLeavesTheSourceItGaveBackAlone) {
  std::unique_ptr<TSound> sound = ToneSound(4410, kSoundLoop);
  std::unique_ptr<TChannel> stopped = AllocChannel();
  PlaySound(sound.get(), stopped.get());
  stopped->Stop();
  std::unique_ptr<TChannel> next = AllocChannel();  // takes the source just given back
  PlaySound(sound.get(), next.get());

  stopped->SetVolume(0.0f);
  stopped->SetRate(3.0f);
  stopped->SetPaused(1);
  PlaySound(sound.get(), stopped.get());
  EXPECT_EQ(stopped->Playing(), 0);
  EXPECT_EQ(next->Playing(), 1);
  EXPECT_GT(Render(4410), 1000);
}

TEST_F(OpenALTest, LoudRequestsPlayAtFullVolume) {
  std::unique_ptr<TSound> sound = ToneSound(4410, kSoundLoop);
  std::unique_ptr<TChannel> channel = AllocChannel();
  PlaySound(sound.get(), channel.get());
  Render(2048);
  const int full = Render(4410);
  channel->SetVolume(100.0f);
  Render(2048);
  EXPECT_NEAR(Render(4410), full, kSilence);  // the same as full volume, give or take the dither
  channel->SetVolume(0.5f);
  Render(2048);
  EXPECT_NEAR(Render(4410), full / 2, full / 20);
}

struct OpenALRateCase {
  const char* name;
  float rate;
  int playing_after;  // frames rendered while the 4,410-frame sound still plays
  int ended_after;
};

void PrintTo(const OpenALRateCase& c, std::ostream* os) { *os << c.name; }

class OpenALRateTest : public OpenALTest, public testing::WithParamInterface<OpenALRateCase> {};

TEST_P(OpenALRateTest, ChangesHowLongTheSoundLasts) {
  std::unique_ptr<TSound> sound = ToneSound(4410, 0);
  std::unique_ptr<TChannel> channel = AllocChannel();
  channel->SetRate(GetParam().rate);
  PlaySound(sound.get(), channel.get());
  Render(GetParam().playing_after);
  EXPECT_EQ(channel->Playing(), 1);
  Render(GetParam().ended_after - GetParam().playing_after);
  EXPECT_EQ(channel->Playing(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rates, OpenALRateTest,
                         testing::Values(OpenALRateCase{"Normal", 1.0f, 4000, 5000}, OpenALRateCase{"Double", 2.0f, 2000, 2600},
                                         OpenALRateCase{"Half", 0.5f, 8000, 9500}),
                         [](const testing::TestParamInfo<OpenALRateCase>& param_info) { return param_info.param.name; });

TEST_F(OpenALTest, WhenSourcesRunOutTheChannelIsSilentAndTriesAgainLater) {
  std::unique_ptr<TSound> sound = ToneSound(4410, kSoundLoop);
  std::vector<std::unique_ptr<TChannel>> held;
  for (int i = 0; i < kSourceLimit; ++i) held.push_back(AllocChannel());
  SetDebugOutput(true);
  testing::internal::CaptureStderr();
  std::unique_ptr<TChannel> extra = AllocChannel();
  PlaySound(sound.get(), extra.get());
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Failed to generate OpenAL source"), std::string::npos) << log.substr(0, 200);
  EXPECT_EQ(extra->Playing(), 0);
  extra->SetVolume(1.0f);  // harmless without a source

  held.front()->Stop();
  PlaySound(sound.get(), extra.get());
  EXPECT_EQ(extra->Playing(), 1);
}

TEST_F(OpenALTest, BuffersAreReportedAndReleasingAPlayingSoundStopsItsChannels) {
  SetDebugOutput(true);
  testing::internal::CaptureStderr();
  std::unique_ptr<TSound> sound = ToneSound(4410, kSoundLoop);
  std::unique_ptr<TChannel> channel = AllocChannel();
  PlaySound(sound.get(), channel.get());
  sound.reset();
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Generated OpenAL buffer "), std::string::npos) << log;
  EXPECT_NE(log.find("Generated OpenAL source "), std::string::npos) << log;
  EXPECT_NE(log.find("Deleted OpenAL buffer "), std::string::npos) << log;
  EXPECT_EQ(channel->Playing(), 0);
  Render(1024);
  EXPECT_LE(Render(2048), kSilence);
}

TEST_F(OpenALTest, ChannelsAndSoundsKeptAfterShutdownIgnoreEveryCall) {
  std::unique_ptr<TSound> sound = ToneSound(4410, kSoundLoop);
  std::unique_ptr<TChannel> channel = AllocChannel();
  TChannel* temporary = PlaySound(sound.get(), nullptr);
  PlaySound(sound.get(), channel.get());
  ASSERT_EQ(SetAudioDriver("Null$$"), 1);
  for (TChannel* each : {channel.get(), temporary}) {
    each->SetVolume(1.0f);
    each->SetPaused(0);
    EXPECT_EQ(each->Playing(), 0);
  }
  EXPECT_EQ(PlaySound(sound.get(), channel.get()), channel.get());
  EXPECT_EQ(channel->Playing(), 0);
}

TEST(OpenALDevice, PlaysOnTheNullOutputDevice) {
  ASSERT_STREQ(std::getenv("ALSOFT_DRIVERS"), "null");
  ASSERT_EQ(SetAudioDriver("openal"), 1);
  EXPECT_EQ(AudioDriver().Name(), "OpenAL");
  std::unique_ptr<TSound> sound = ToneSound(2205, 0);  // 50 ms
  TChannel* channel = PlaySound(sound.get(), nullptr);
  EXPECT_EQ(channel->Playing(), 1);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (channel->Playing() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(channel->Playing(), 0);
  ShutdownAudio();
}
