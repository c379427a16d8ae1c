#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/audio_driver.h"
#include "platform/audio_openal_driver.h"
#include "platform/audio_openal_library.h"
#include "platform/ram_stream.h"
#include "test_audio_ogg_writer.h"

namespace {

bool HasDriver(const std::string& name) {
  const std::vector<std::string> names = AudioDriverNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

class AudioDriverTest : public testing::Test {
 protected:
  void TearDown() override { ShutdownAudio(); }
};

}  // namespace

TEST_F(AudioDriverTest, TheSilentDriverIsCurrentUntilOneIsSet) { EXPECT_EQ(AudioDriver().Name(), "Null$$"); }

TEST_F(AudioDriverTest, BuiltInDriversAreRegistered) {
  EXPECT_TRUE(HasDriver("FreeAudio"));
  EXPECT_TRUE(HasDriver("Null$$"));
  EXPECT_TRUE(HasDriver("OpenAL"));
  EXPECT_TRUE(HasDriver("OpenAL Default"));
  std::shared_ptr<const TOpenALLibrary> library = TOpenALLibrary::Open();
  ASSERT_TRUE(library);
  const std::vector<std::string> devices = library->OutputDevices();
  EXPECT_FALSE(devices.empty());
  for (const std::string& device : devices) EXPECT_TRUE(HasDriver("OpenAL " + device)) << device;
}

TEST_F(AudioDriverTest, WithoutTheOpenALLibraryNoOpenALDriverIsOffered) {
  std::vector<std::unique_ptr<TAudioDriver>> drivers;
  AddOpenALDrivers(drivers, "libopenal-not-installed.so.1");
  EXPECT_TRUE(drivers.empty());
}

struct LookupCase {
  const char* asked;
  const char* found;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.asked; }

class DriverLookupTest : public AudioDriverTest, public testing::WithParamInterface<LookupCase> {};

TEST_P(DriverLookupTest, IgnoresCase) {
  EXPECT_EQ(SetAudioDriver(GetParam().asked), 1);
  EXPECT_EQ(AudioDriver().Name(), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Names, DriverLookupTest,
                         testing::Values(LookupCase{"openal", "OpenAL"}, LookupCase{"OPENAL", "OpenAL"},
                                         LookupCase{"openal default", "OpenAL Default"},
                                         LookupCase{"freeaudio", "FreeAudio"}, LookupCase{"NULL$$", "Null$$"}));

TEST_F(AudioDriverTest, AnUnknownDriverLeavesTheSilentOneCurrent) {
  ASSERT_EQ(SetAudioDriver("freeaudio"), 1);
  EXPECT_EQ(SetAudioDriver("DirectSound"), 0);
  EXPECT_EQ(AudioDriver().Name(), "Null$$");
  EXPECT_EQ(SetAudioDriver("OpenAL "), 0);  // no device has an empty name
}

TEST_F(AudioDriverTest, TheSilentDriverAcceptsEveryCallAndPlaysNothing) {
  ASSERT_EQ(SetAudioDriver("Null$$"), 1);
  const std::string ogg = EncodeOggVorbis(SineTone(1000, 1, 22050, 440.0), 1, 22050);
  TRamStream stream(reinterpret_cast<const unsigned char*>(ogg.data()), ogg.size());
  std::unique_ptr<TSound> sound = LoadSound(stream, kSoundLoop);
  ASSERT_NE(sound, nullptr);
  std::unique_ptr<TChannel> channel = AllocChannel();
  ASSERT_NE(channel, nullptr);
  EXPECT_EQ(PlaySound(sound.get(), channel.get()), channel.get());
  TChannel* temporary = PlaySound(sound.get(), nullptr);
  ASSERT_NE(temporary, nullptr);
  for (TChannel* each : {channel.get(), temporary, CueSound(sound.get(), nullptr)}) {
    each->SetVolume(0.5f);
    each->SetRate(1.5f);
    each->SetPan(-1.0f);
    each->SetDepth(0.0f);
    each->SetPaused(0);
    EXPECT_EQ(each->Playing(), 0);
    each->Stop();
  }
}

TEST_F(AudioDriverTest, PlayingNoSoundGivesAChannelThatIgnoresEveryCall) {
  for (const char* driver : {"Null$$", "FreeAudio"}) {
    ASSERT_EQ(SetAudioDriver(driver), 1);
    TChannel* channel = PlaySound(nullptr, nullptr);
    ASSERT_NE(channel, nullptr);
    channel->SetVolume(1.0f);
    EXPECT_EQ(channel->Playing(), 0);
    ASSERT_NE(CueSound(nullptr, nullptr), nullptr);
    std::unique_ptr<TChannel> own = AllocChannel();
    EXPECT_EQ(PlaySound(nullptr, own.get()), own.get());
    EXPECT_EQ(own->Playing(), 0);
  }
}
