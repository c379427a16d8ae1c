#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "platform/audio_driver.h"
#include "platform/audio_sample_loader.h"
#include "platform/embedded_files.h"
#include "platform/ram_stream.h"
#include "support/temp_folder.h"
#include "test_audio_ogg_writer.h"

namespace {

int16_t Frame(const TAudioSample& sample, int index, int channel) {
  const int channels = SampleFormatChannels(sample.format);
  const uint8_t* bytes = sample.samples + (static_cast<size_t>(index) * channels + channel) * 2;
  return static_cast<int16_t>(bytes[0] | (bytes[1] << 8));
}

double Rms(const TAudioSample& sample, int channel) {
  double sum = 0;
  for (int i = 0; i < sample.length; ++i) sum += std::pow(Frame(sample, i, channel), 2);
  return std::sqrt(sum / sample.length);
}

}  // namespace

struct OggCase {
  const char* name;
  int channels;
  int hertz;
  int frames;
};

void PrintTo(const OggCase& c, std::ostream* os) { *os << c.name; }

class OggDecodeTest : public testing::TestWithParam<OggCase> {};

TEST_P(OggDecodeTest, GivesTheEncodedLengthRateAndFormat) {
  const OggCase& c = GetParam();
  const std::string ogg = EncodeOggVorbis(SineTone(c.frames, c.channels, c.hertz, 440.0), c.channels, c.hertz);
  TempFolder folder;
  folder.Write("tone.ogg", ogg);
  std::optional<TAudioSample> sample = LoadAudioSample(folder / "tone.ogg");
  ASSERT_TRUE(sample);
  EXPECT_EQ(sample->length, c.frames);
  EXPECT_EQ(sample->hertz, c.hertz);
  EXPECT_EQ(sample->format, c.channels == 2 ? kSampleStereo16LE : kSampleMono16LE);
  // A half-scale sine has an RMS of about 0.5 / sqrt(2) of full scale in every channel.
  for (int channel = 0; channel < c.channels; ++channel) EXPECT_NEAR(Rms(*sample, channel), 11585.0, 1200.0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, OggDecodeTest,
                         testing::Values(OggCase{"Mono22k", 1, 22050, 4410}, OggCase{"Stereo44k", 2, 44100, 10000},
                                         OggCase{"LongerThanOnePage", 2, 48000, 96001}),
                         [](const testing::TestParamInfo<OggCase>& param_info) { return param_info.param.name; });

TEST(OggLoader, ReadsEmbeddedFilesAndStreamsFromTheirCurrentPosition) {
  static const std::string ogg = EncodeOggVorbis(SineTone(2000, 1, 11025, 300.0), 1, 11025);
  RegisterEmbeddedFile("Test/Tone.ogg", reinterpret_cast<const unsigned char*>(ogg.data()), ogg.size());
  std::optional<TAudioSample> embedded = LoadAudioSample("incbin::Test/Tone.ogg");
  ASSERT_TRUE(embedded);
  EXPECT_EQ(embedded->length, 2000);

  const std::string packed = "HEADER" + ogg;
  TRamStream stream(reinterpret_cast<const unsigned char*>(packed.data()), packed.size());
  ASSERT_TRUE(stream.Seek(6));
  std::optional<TAudioSample> inside = LoadAudioSample(stream);
  ASSERT_TRUE(inside);
  EXPECT_EQ(inside->length, 2000);
  EXPECT_EQ(std::memcmp(inside->samples, embedded->samples, static_cast<size_t>(inside->ByteCount())), 0);
}

struct BadFileCase {
  const char* name;
  std::string bytes;
};

void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }

class UnreadableSoundTest : public testing::TestWithParam<BadFileCase> {};

TEST_P(UnreadableSoundTest, GivesNone) {
  TempFolder folder;
  folder.Write("bad.ogg", GetParam().bytes);
  EXPECT_FALSE(LoadAudioSample(folder / "bad.ogg"));
  // Even the silent driver, which accepts every sound, gets nothing to accept.
  ASSERT_EQ(SetAudioDriver("Null$$"), 1);
  EXPECT_EQ(LoadSound(folder / "bad.ogg", 0), nullptr);
  EXPECT_EQ(LoadSound(folder / "missing.ogg", 0), nullptr);
}

namespace {
std::string TruncatedOgg() {
  std::string ogg = EncodeOggVorbis(SineTone(20000, 2, 44100, 440.0), 2, 44100);
  return ogg.substr(0, 200);  // cut inside the header packets
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableSoundTest,
    testing::Values(BadFileCase{"Empty", ""}, BadFileCase{"Text", "this is not a sound file at all\n"},
                    BadFileCase{"CutInItsHeaders", TruncatedOgg()},
                    BadFileCase{"ThreeChannels", EncodeOggVorbis(SineTone(4000, 3, 44100, 440.0), 3, 44100)}),
    [](const testing::TestParamInfo<BadFileCase>& param_info) { return param_info.param.name; });

namespace {

// Recognises data starting "FAKE" as a one-frame sample.
class FakeLoader : public TAudioSampleLoader {
 public:
  std::optional<TAudioSample> LoadAudioSample(TStream& stream) override {
    char tag[4] = {};
    if (stream.Read(tag, 4) != 4 || std::memcmp(tag, "FAKE", 4) != 0) return std::nullopt;
    return TAudioSample::Create(1, 8000, kSampleMono8);
  }
};

// Reads a little, then gives up the way a decoder with a broken stream does.
class ThrowingLoader : public TAudioSampleLoader {
 public:
  std::optional<TAudioSample> LoadAudioSample(TStream& stream) override {
    char scratch[2];
    stream.Read(scratch, 2);
    throw std::runtime_error("broken stream");
  }
};

}  // namespace

TEST(SampleLoaderChain, AFailingLoaderCountsAsNoResultAndTheNextStartsAtTheSamePlace) {
  RegisterAudioSampleLoader(std::make_unique<ThrowingLoader>());
  RegisterAudioSampleLoader(std::make_unique<FakeLoader>());
  const std::string bytes = "xxFAKE";
  TRamStream stream(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  ASSERT_TRUE(stream.Seek(2));
  std::optional<TAudioSample> sample = LoadAudioSample(stream);
  ASSERT_TRUE(sample);
  EXPECT_EQ(sample->hertz, 8000);
}
