#include "synth/wav_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace synth {
namespace {

uint32_t Read32(const unsigned char* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 | static_cast<uint32_t>(at[2]) << 16 |
         static_cast<uint32_t>(at[3]) << 24;
}
uint16_t Read16(const unsigned char* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

std::optional<WavSound> Fail(const std::string& path, const char* why) {
  std::fprintf(stderr, "%s: %s\n", path.c_str(), why);
  return std::nullopt;
}

}  // namespace

std::optional<WavSound> ReadWav(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(path, "cannot open");
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return Fail(path, "not a WAV file");
  }
  int channels = 0, bits = 0;
  WavSound sound;
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const uint32_t size = Read32(bytes.data() + at + 4);
    const unsigned char* body = bytes.data() + at + 8;
    // Streamed output may leave the data size at its maximum: take what is there.
    const size_t available = std::min<size_t>(size, bytes.size() - at - 8);
    if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0 && available >= 16) {
      if (Read16(body) != 1) return Fail(path, "not PCM");
      channels = Read16(body + 2);
      sound.rate = static_cast<int>(Read32(body + 4));
      bits = Read16(body + 14);
    } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
      if (bits != 16 || channels < 1) return Fail(path, "not 16-bit PCM");
      const size_t frames = available / (2 * static_cast<size_t>(channels));
      sound.samples.resize(frames);
      for (size_t i = 0; i < frames; ++i) {
        float sum = 0.0f;
        for (int c = 0; c < channels; ++c) {
          sum += static_cast<int16_t>(Read16(body + (i * static_cast<size_t>(channels) + static_cast<size_t>(c)) * 2)) / 32768.0f;
        }
        sound.samples[i] = sum / static_cast<float>(channels);
      }
      return sound;
    }
    at += 8 + available + (available & 1);
  }
  return Fail(path, "no sound data");
}

}  // namespace synth
