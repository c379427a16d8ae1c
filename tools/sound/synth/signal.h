// Sound as the generators handle it: float samples in -1..1 at one fixed rate.
#pragma once

#include <cstddef>
#include <vector>

namespace synth {

inline constexpr int kRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

using Mono = std::vector<float>;

struct Stereo {
  Mono left;
  Mono right;

  Stereo() = default;
  explicit Stereo(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
  size_t frames() const { return left.size(); }
};

// Whole sample frames in a span of seconds at kRate.
size_t Frames(double seconds);
// The frequency of a MIDI note number (69 = A 440 Hz).
double NoteHz(double midi_note);
double DbToGain(double db);

// dst[offset + i] += src[i] * gain, clipped to dst's length.
void MixInto(Mono& dst, const Mono& src, size_t offset, float gain = 1.0f);
// Adds a mono signal to both sides with a constant-power pan (-1 left .. 1 right).
void MixPanned(Stereo& dst, const Mono& src, size_t offset, float gain, float pan);
void MixInto(Stereo& dst, const Stereo& src, float gain = 1.0f);
void Scale(Mono& signal, float gain);

}  // namespace synth
