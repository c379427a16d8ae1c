// Ogg Vorbis encoding over libvorbisenc. The stream serial number is fixed and nothing
// in the headers depends on the clock, so the same samples give the same bytes every run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "synth/signal.h"

namespace synth {

struct VorbisSettings {
  int rate = kRate;
  float quality = 0.4f;  // libvorbisenc's VBR quality, -0.1 .. 1
  uint32_t serial = 0x51584F31u;
};

using Bytes = std::vector<unsigned char>;

// One channel per entry of `channels` (all of one length). Empty on an encoder failure.
Bytes EncodeVorbis(const std::vector<const Mono*>& channels, const VorbisSettings& settings);
Bytes EncodeVorbis(const Mono& mono, const VorbisSettings& settings);
Bytes EncodeVorbis(const Stereo& stereo, const VorbisSettings& settings);

// Writes bytes to path, making its folder; false (with a message on stderr) on failure.
bool WriteBytes(const std::string& path, const Bytes& bytes);

}  // namespace synth
