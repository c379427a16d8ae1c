#include "sound_decode.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

struct Memory {
  const synth::Bytes* bytes;
  size_t at = 0;
};

size_t ReadMemory(void* out, size_t size, size_t count, void* source) {
  auto* memory = static_cast<Memory*>(source);
  const size_t wanted = size * count;
  const size_t left = memory->bytes->size() - memory->at;
  const size_t taken = std::min(wanted, left);
  std::memcpy(out, memory->bytes->data() + memory->at, taken);
  memory->at += taken;
  return size ? taken / size : 0;
}

std::optional<DecodedSound> DecodeOpened(OggVorbis_File& file) {
  DecodedSound sound;
  const vorbis_info* info = ov_info(&file, -1);
  sound.rate = static_cast<int>(info->rate);
  sound.channels.resize(static_cast<size_t>(info->channels));
  int section = 0;
  for (;;) {
    float** pcm = nullptr;
    const long got = ov_read_float(&file, &pcm, 4096, &section);
    if (got < 0) {
      ov_clear(&file);
      return std::nullopt;
    }
    if (got == 0) break;
    for (size_t c = 0; c < sound.channels.size(); ++c) {
      sound.channels[c].insert(sound.channels[c].end(), pcm[c], pcm[c] + got);
    }
  }
  ov_clear(&file);
  return sound;
}

}  // namespace

std::optional<DecodedSound> DecodeFile(const std::string& path) {
  OggVorbis_File file;
  if (ov_fopen(path.c_str(), &file) != 0) return std::nullopt;
  return DecodeOpened(file);
}

std::optional<DecodedSound> DecodeBytes(const synth::Bytes& bytes) {
  Memory memory{&bytes};
  OggVorbis_File file;
  const ov_callbacks callbacks = {ReadMemory, nullptr, nullptr, nullptr};
  if (ov_open_callbacks(&memory, &file, nullptr, 0, callbacks) != 0) return std::nullopt;
  return DecodeOpened(file);
}

double SeamJumpRatio(const std::vector<float>& channel) {
  constexpr size_t kSpan = 256;
  if (channel.size() < 4 * kSpan) return 0.0;
  double largest = 0.0;
  const size_t n = channel.size();
  for (size_t i = 0; i + 1 < kSpan; ++i) {
    largest = std::max(largest, static_cast<double>(std::fabs(channel[i + 1] - channel[i])));
    largest = std::max(largest, static_cast<double>(std::fabs(channel[n - 1 - i] - channel[n - 2 - i])));
  }
  const double seam = std::fabs(channel.front() - channel.back());
  // A floor for near-silence, where the coder's own noise is the largest step.
  return seam / std::max(largest, 0.002);
}
