// The synthesis kit and the Ogg Vorbis writer the sound generators are built on.
#include <gtest/gtest.h>

#include <cmath>

#include "sound_decode.h"
#include "synth/effects.h"
#include "synth/filter.h"
#include "synth/oscillator.h"
#include "synth/ogg_writer.h"

namespace {

synth::Mono ToneAndNoise(size_t frames, uint32_t seed) {
  synth::Oscillator saw(synth::Wave::kSaw);
  synth::WhiteNoise noise(seed);
  synth::Mono out(frames);
  for (float& sample : out) sample = 0.4f * saw.Next(220.0) + 0.2f * noise.Next();
  return out;
}

uint32_t PageSerial(const synth::Bytes& bytes) {
  return static_cast<uint32_t>(bytes[14]) | static_cast<uint32_t>(bytes[15]) << 8 |
         static_cast<uint32_t>(bytes[16]) << 16 | static_cast<uint32_t>(bytes[17]) << 24;
}

TEST(OggWriter, SameSamplesGiveTheSameBytesWithTheFixedSerial) {
  const synth::Mono mono = ToneAndNoise(30000, 7);
  synth::Stereo stereo(30000);
  stereo.left = mono;
  stereo.right = ToneAndNoise(30000, 8);
  const synth::VorbisSettings settings;
  const synth::Bytes first = synth::EncodeVorbis(stereo, settings);
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first, synth::EncodeVorbis(stereo, settings));
  EXPECT_EQ(synth::EncodeVorbis(mono, settings), synth::EncodeVorbis(mono, settings));
  EXPECT_EQ(PageSerial(first), settings.serial);
}

struct RoundTrip {
  size_t frames;
  int channels;
  int rate;
};

class OggWriterRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(OggWriterRoundTrip, DecodesToTheSameLengthRateAndChannels) {
  const RoundTrip& trip = GetParam();
  std::vector<synth::Mono> channels;
  for (int c = 0; c < trip.channels; ++c) channels.push_back(ToneAndNoise(trip.frames, 11u + static_cast<uint32_t>(c)));
  std::vector<const synth::Mono*> pointers;
  for (const synth::Mono& channel : channels) pointers.push_back(&channel);
  synth::VorbisSettings settings;
  settings.rate = trip.rate;
  const auto decoded = DecodeBytes(synth::EncodeVorbis(pointers, settings));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->rate, trip.rate);
  ASSERT_EQ(decoded->channels.size(), static_cast<size_t>(trip.channels));
  EXPECT_EQ(decoded->frames(), trip.frames);
  // Lossy, but the same sound: the middle of the tone comes back close.
  const size_t middle = trip.frames / 2;
  EXPECT_NEAR(decoded->channels[0][middle], channels[0][middle], 0.25);
}

INSTANTIATE_TEST_SUITE_P(Shapes, OggWriterRoundTrip,
                         testing::Values(RoundTrip{100, 1, 44100}, RoundTrip{44100, 1, 44100},
                                         RoundTrip{12345, 2, 44100}, RoundTrip{22050, 2, 22050}));

TEST(OggWriter, ChannelsOfDifferentLengthsGiveNoStream) {
  const synth::Mono a(100, 0.0f), b(99, 0.0f);
  EXPECT_TRUE(synth::EncodeVorbis(std::vector<const synth::Mono*>{&a, &b}, synth::VorbisSettings{}).empty());
}

synth::Mono Sine(double hz, size_t frames) {
  synth::Mono out(frames);
  for (size_t i = 0; i < frames; ++i) out[i] = static_cast<float>(0.5 * std::sin(2.0 * synth::kPi * hz * i / synth::kRate));
  return out;
}

TEST(LoopSeam, ACutMidCycleIsAJumpAndWholeCyclesAreNot) {
  EXPECT_GT(SeamJumpRatio(Sine(440.0, synth::Frames(0.25) + 37)), 5.0);
  EXPECT_LT(SeamJumpRatio(Sine(440.0, synth::kRate)), 1.2);
}

TEST(LoopSeam, CrossfadingTheOverrunIntoTheStartMakesNoiseLoop) {
  const size_t length = synth::Frames(1.0), overlap = synth::Frames(0.2);
  synth::BrownNoise noise(5);
  synth::Biquad low = synth::Biquad::LowPass(300.0);
  synth::Mono rendered(length + overlap);
  for (float& sample : rendered) sample = low.Process(noise.Next() * 4.0f);
  const synth::Mono cut(rendered.begin(), rendered.begin() + static_cast<long>(length));
  synth::Mono looped = rendered;
  synth::CrossfadeLoop(looped, overlap);
  ASSERT_EQ(looped.size(), length);
  EXPECT_GT(SeamJumpRatio(cut), 3.0);
  EXPECT_LT(SeamJumpRatio(looped), 1.5);
}

TEST(LoopSeam, WrappingATailFoldsWhatRingsPastTheEndOntoTheStart) {
  synth::Stereo piece(1200);
  piece.left[1100] = 0.5f;
  piece.right[999] = 0.25f;
  synth::WrapTail(piece, 1000);
  ASSERT_EQ(piece.frames(), 1000u);
  EXPECT_FLOAT_EQ(piece.left[100], 0.5f);
  EXPECT_FLOAT_EQ(piece.right[999], 0.25f);
}

}  // namespace
