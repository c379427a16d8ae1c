#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/audio_sample.h"
#include "platform/debug_output.h"

namespace {

TAudioSample SampleOf(const std::vector<uint8_t>& bytes, int format) {
  const int frames = static_cast<int>(bytes.size()) / SampleFormatBytesPerFrame(format);
  TAudioSample sample = TAudioSample::Create(frames, 22050, format);
  std::memcpy(sample.samples, bytes.data(), bytes.size());
  return sample;
}

std::vector<uint8_t> BytesOf(const TAudioSample& sample) {
  return std::vector<uint8_t>(sample.samples, sample.samples + sample.ByteCount());
}

}  // namespace

struct ConversionCase {
  const char* name;
  int from;
  std::vector<uint8_t> in;
  int to;
  std::vector<uint8_t> out;
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }

class SampleConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(SampleConversionTest, KeepsTheSoundInTheNewLayout) {
  const ConversionCase& c = GetParam();
  const TAudioSample sample = SampleOf(c.in, c.from);
  std::optional<TAudioSample> converted = sample.Convert(c.to);
  ASSERT_TRUE(converted);
  EXPECT_EQ(converted->format, c.to);
  EXPECT_EQ(converted->length, sample.length);
  EXPECT_EQ(converted->hertz, 22050);
  EXPECT_EQ(BytesOf(*converted), c.out);
}

// Frames used: 0x1234 and -0x0100 (0xFF00) as 16-bit values; 0x12 + 128 and -1 + 128 as 8-bit.
INSTANTIATE_TEST_SUITE_P(
    Formats, SampleConversionTest,
    testing::Values(
        ConversionCase{"BigEndianToLittle", kSampleMono16BE, {0x12, 0x34, 0xFF, 0x00}, kSampleMono16LE,
                       {0x34, 0x12, 0x00, 0xFF}},
        ConversionCase{"LittleEndianToBig", kSampleStereo16LE, {0x34, 0x12, 0x00, 0xFF}, kSampleStereo16BE,
                       {0x12, 0x34, 0xFF, 0x00}},
        ConversionCase{"MonoToStereoDoubles", kSampleMono16LE, {0x34, 0x12}, kSampleStereo16LE,
                       {0x34, 0x12, 0x34, 0x12}},
        ConversionCase{"StereoToMonoAverages", kSampleStereo16LE, {0x00, 0x10, 0x00, 0x30}, kSampleMono16LE,
                       {0x00, 0x20}},
        ConversionCase{"SixteenToEightBitsIsUnsigned", kSampleMono16LE, {0x34, 0x12, 0x00, 0xFF}, kSampleMono8,
                       {0x92, 0x7F}},
        ConversionCase{"EightToSixteenBits", kSampleStereo8, {0x92, 0x7F}, kSampleStereo16LE,
                       {0x00, 0x12, 0x00, 0xFF}},
        ConversionCase{"BigEndianStereoToMonoEightBits", kSampleStereo16BE, {0x10, 0x00, 0x30, 0x00}, kSampleMono8,
                       {0xA0}},
        ConversionCase{"SameFormatCopies", kSampleMono8, {1, 2, 3}, kSampleMono8, {1, 2, 3}}),
    [](const testing::TestParamInfo<ConversionCase>& param_info) { return param_info.param.name; });

TEST(SampleConversion, UnknownFormatsFailWithTheirMessage) {
  SetDebugOutput(true);
  const TAudioSample sample = TAudioSample::Create(4, 22050, kSampleMono16LE);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(sample.Convert(7));
  EXPECT_FALSE(TAudioSample::Create(4, 22050, 0).Convert(kSampleMono8));
  const std::string log = testing::internal::GetCapturedStderr();
  SetDebugOutput(false);
  EXPECT_NE(log.find("Unimplemented sample format conversion"), std::string::npos);
}

TEST(AudioSample, StaticSamplesWrapMemoryAndCopiesOwnTheirs) {
  uint8_t bytes[] = {1, 2, 3, 4};
  TAudioSample wrapped = TAudioSample::CreateStatic(bytes, 2, 11025, kSampleMono16LE);
  EXPECT_EQ(wrapped.samples, bytes);
  EXPECT_EQ(wrapped.capacity, -1);
  TAudioSample copy = wrapped.Copy();
  bytes[0] = 99;
  EXPECT_NE(copy.samples, bytes);
  EXPECT_EQ(copy.capacity, 4);
  EXPECT_EQ(BytesOf(copy), (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(AudioSample, CreatedSamplesAreSilent) {
  const TAudioSample eight = TAudioSample::Create(3, 8000, kSampleStereo8);
  EXPECT_EQ(BytesOf(eight), std::vector<uint8_t>(6, 128));
  const TAudioSample sixteen = TAudioSample::Create(3, 8000, kSampleMono16BE);
  EXPECT_EQ(BytesOf(sixteen), std::vector<uint8_t>(6, 0));
}
