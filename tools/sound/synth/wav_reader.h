// Reads the 16-bit PCM WAV files the speech synthesizer writes.
#pragma once

#include <optional>
#include <string>

#include "synth/signal.h"

namespace synth {

struct WavSound {
  int rate = 0;
  Mono samples;  // channels mixed to one
};

// None (with a message on stderr) for a missing file or one that is not 16-bit PCM.
std::optional<WavSound> ReadWav(const std::string& path);

}  // namespace synth
