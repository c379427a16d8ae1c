// Level figures in dBFS, for the generators' reports and the tests.
#pragma once

#include <string>

#include "synth/signal.h"

namespace synth {

struct Levels {
  double peak_db = -120.0;
  double rms_db = -120.0;
  // The loudest 100 ms window: what a listener hears as the sound's level.
  double loudest_db = -120.0;
};

Levels Measure(const Mono& signal);
Levels Measure(const Stereo& signal);
// "NAME  peak -1.0 dB  rms -18.3 dB  loudest -12.1 dB  1.25 s"
std::string LevelReport(const std::string& name, const Levels& levels, double seconds);

}  // namespace synth
