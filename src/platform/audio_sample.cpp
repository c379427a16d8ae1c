#include "platform/audio_sample.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/debug_output.h"

bool SampleFormatValid(int format) { return format >= kSampleMono8 && format <= kSampleStereo16BE; }

int SampleFormatChannels(int format) {
  if (!SampleFormatValid(format)) return 0;
  return format >= kSampleStereo8 ? 2 : 1;
}

int SampleFormatBytesPerFrame(int format) {
  if (!SampleFormatValid(format)) return 0;
  const bool eight_bit = format == kSampleMono8 || format == kSampleStereo8;
  return SampleFormatChannels(format) * (eight_bit ? 1 : 2);
}

TAudioSample::TAudioSample(TAudioSample&& other) noexcept { TakeFrom(other); }

TAudioSample& TAudioSample::operator=(TAudioSample&& other) noexcept {
  if (this != &other) TakeFrom(other);
  return *this;
}

void TAudioSample::TakeFrom(TAudioSample& other) noexcept {
  owned_ = std::move(other.owned_);
  samples = other.samples;
  length = other.length;
  hertz = other.hertz;
  format = other.format;
  capacity = other.capacity;
  other.owned_.clear();
  other.samples = nullptr;
  other.length = 0;
  other.capacity = 0;
}

TAudioSample TAudioSample::Create(int length, int hertz, int format) {
  TAudioSample sample;
  sample.length = std::max(length, 0);
  sample.hertz = hertz;
  sample.format = format;
  sample.owned_.assign(static_cast<size_t>(sample.ByteCount()), 0);
  // Silence in 8-bit formats sits at the middle of the range.
  if (format == kSampleMono8 || format == kSampleStereo8) std::fill(sample.owned_.begin(), sample.owned_.end(), 128);
  sample.samples = sample.owned_.data();
  sample.capacity = static_cast<int>(sample.owned_.size());
  if (sample.owned_.empty()) sample.length = 0;
  return sample;
}

TAudioSample TAudioSample::FromBytes(std::vector<uint8_t> bytes, int hertz, int format) {
  TAudioSample sample;
  sample.hertz = hertz;
  sample.format = format;
  const int frame_bytes = SampleFormatBytesPerFrame(format);
  if (frame_bytes == 0) return sample;
  bytes.resize(bytes.size() / static_cast<size_t>(frame_bytes) * static_cast<size_t>(frame_bytes));
  sample.owned_ = std::move(bytes);
  sample.samples = sample.owned_.data();
  sample.length = static_cast<int>(sample.owned_.size() / static_cast<size_t>(frame_bytes));
  sample.capacity = static_cast<int>(sample.owned_.size());
  return sample;
}

TAudioSample TAudioSample::CreateStatic(uint8_t* bytes, int length, int hertz, int format) {
  TAudioSample sample;
  sample.samples = bytes;
  sample.length = bytes ? std::max(length, 0) : 0;
  sample.hertz = hertz;
  sample.format = format;
  sample.capacity = -1;
  return sample;
}

TAudioSample TAudioSample::Copy() const {
  TAudioSample copy = Create(length, hertz, format);
  if (copy.ByteCount() > 0 && samples) std::memcpy(copy.samples, samples, static_cast<size_t>(copy.ByteCount()));
  return copy;
}

namespace {

// One channel value of a frame as a signed 16-bit number.
int ReadValue(const uint8_t* frame, int format, int channel) {
  switch (format) {
    case kSampleMono8:
    case kSampleStereo8:
      return (frame[channel] - 128) * 256;
    case kSampleMono16LE:
    case kSampleStereo16LE:
      return static_cast<int16_t>(frame[channel * 2] | (frame[channel * 2 + 1] << 8));
    default:
      return static_cast<int16_t>((frame[channel * 2] << 8) | frame[channel * 2 + 1]);
  }
}

void WriteValue(uint8_t* frame, int format, int channel, int value) {
  const auto bits = static_cast<uint16_t>(static_cast<int16_t>(value));
  switch (format) {
    case kSampleMono8:
    case kSampleStereo8:
      frame[channel] = static_cast<uint8_t>((value >> 8) + 128);
      break;
    case kSampleMono16LE:
    case kSampleStereo16LE:
      frame[channel * 2] = static_cast<uint8_t>(bits & 0xFF);
      frame[channel * 2 + 1] = static_cast<uint8_t>(bits >> 8);
      break;
    default:
      frame[channel * 2] = static_cast<uint8_t>(bits >> 8);
      frame[channel * 2 + 1] = static_cast<uint8_t>(bits & 0xFF);
      break;
  }
}

}  // namespace

std::optional<TAudioSample> TAudioSample::Convert(int to_format) const {
  if (!SampleFormatValid(format) || !SampleFormatValid(to_format)) {
    DebugLog("Unimplemented sample format conversion");
    return std::nullopt;
  }
  if (to_format == format) return Copy();
  TAudioSample result = Create(length, hertz, to_format);
  const int from_channels = SampleFormatChannels(format);
  const int to_channels = SampleFormatChannels(to_format);
  const int from_step = BytesPerFrame();
  const int to_step = result.BytesPerFrame();
  for (int64_t i = 0; i < length; ++i) {
    const uint8_t* in = samples + i * from_step;
    uint8_t* out = result.samples + i * to_step;
    int left = ReadValue(in, format, 0);
    int right = from_channels == 2 ? ReadValue(in, format, 1) : left;
    if (to_channels == 1) {
      WriteValue(out, to_format, 0, (left + right) / 2);
    } else {
      WriteValue(out, to_format, 0, left);
      WriteValue(out, to_format, 1, right);
    }
  }
  return result;
}
