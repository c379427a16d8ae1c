#include "synth/signal.h"

#include <algorithm>
#include <cmath>

namespace synth {

size_t Frames(double seconds) { return static_cast<size_t>(std::lround(seconds * kRate)); }

double NoteHz(double midi_note) { return 440.0 * std::pow(2.0, (midi_note - 69.0) / 12.0); }

double DbToGain(double db) { return std::pow(10.0, db / 20.0); }

void MixInto(Mono& dst, const Mono& src, size_t offset, float gain) {
  if (offset >= dst.size()) return;
  const size_t count = std::min(src.size(), dst.size() - offset);
  for (size_t i = 0; i < count; ++i) dst[offset + i] += src[i] * gain;
}

void MixPanned(Stereo& dst, const Mono& src, size_t offset, float gain, float pan) {
  const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kPi / 4.0;
  MixInto(dst.left, src, offset, gain * static_cast<float>(std::cos(angle) * std::sqrt(2.0)));
  MixInto(dst.right, src, offset, gain * static_cast<float>(std::sin(angle) * std::sqrt(2.0)));
}

void MixInto(Stereo& dst, const Stereo& src, float gain) {
  MixInto(dst.left, src.left, 0, gain);
  MixInto(dst.right, src.right, 0, gain);
}

void Scale(Mono& signal, float gain) {
  for (float& sample : signal) sample *= gain;
}

}  // namespace synth
