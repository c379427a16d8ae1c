#include "synth/levels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace synth {
namespace {

double ToDb(double amplitude) { return amplitude > 1e-6 ? 20.0 * std::log10(amplitude) : -120.0; }

}  // namespace

Levels Measure(const Mono& signal) {
  Levels levels;
  if (signal.empty()) return levels;
  double peak = 0.0, sum = 0.0, loudest = 0.0, window_sum = 0.0;
  const size_t window = Frames(0.1);
  for (size_t i = 0; i < signal.size(); ++i) {
    const double sample = signal[i];
    peak = std::max(peak, std::fabs(sample));
    sum += sample * sample;
    window_sum += sample * sample;
    if (i >= window) window_sum -= static_cast<double>(signal[i - window]) * signal[i - window];
    const double span = static_cast<double>(std::min(i + 1, window));
    if (i + 1 >= std::min(window, signal.size())) loudest = std::max(loudest, std::sqrt(std::max(window_sum, 0.0) / span));
  }
  levels.peak_db = ToDb(peak);
  levels.rms_db = ToDb(std::sqrt(sum / static_cast<double>(signal.size())));
  levels.loudest_db = ToDb(loudest);
  return levels;
}

Levels Measure(const Stereo& signal) {
  Mono mid(signal.frames());
  for (size_t i = 0; i < mid.size(); ++i) {
    // The louder side per frame, so that a hard-panned sound is not under-read.
    mid[i] = std::fabs(signal.left[i]) > std::fabs(signal.right[i]) ? signal.left[i] : signal.right[i];
  }
  return Measure(mid);
}

std::string LevelReport(const std::string& name, const Levels& levels, double seconds) {
  char line[200];
  std::snprintf(line, sizeof line, "%-28s peak %6.1f dB  rms %6.1f dB  loudest %6.1f dB  %6.2f s", name.c_str(),
                levels.peak_db, levels.rms_db, levels.loudest_db, seconds);
  return line;
}

}  // namespace synth
