// Test sounds made on the spot: tones, and Ogg Vorbis bytes encoded with a fixed stream
// serial so that every run encodes the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Interleaved 16-bit frames of a sine tone at pitch (Hz) and amplitude (0 to 1).
std::vector<int16_t> SineTone(int frames, int channels, int hertz, double pitch, double amplitude = 0.5);
// The frames encoded as an Ogg Vorbis file.
std::string EncodeOggVorbis(const std::vector<int16_t>& interleaved, int channels, int hertz);
