// Test helpers: decoding Ogg Vorbis back to samples, and the measure of a loop's seam.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "synth/ogg_writer.h"

struct DecodedSound {
  int rate = 0;
  std::vector<std::vector<float>> channels;
  size_t frames() const { return channels.empty() ? 0 : channels.front().size(); }
};

std::optional<DecodedSound> DecodeFile(const std::string& path);
std::optional<DecodedSound> DecodeBytes(const synth::Bytes& bytes);

// How far the step from the last sample to the first exceeds the largest step in the
// frames either side of the seam: at most about 1 for a seamless loop, far above for a click.
double SeamJumpRatio(const std::vector<float>& channel);
