// Whole-signal effects: colour, space, dynamics, fades and the making of seamless loops.
#pragma once

#include "synth/signal.h"

namespace synth {

// Soft saturation: tanh(drive * x) scaled back so that small signals keep their level.
void Saturate(Mono& signal, float drive);

// A feedback echo; the stereo form crosses the echoes from side to side.
void Echo(Mono& signal, double delay_seconds, float feedback, float mix);
void PingPong(Stereo& signal, double delay_seconds, float feedback, float mix, double damping_hz);

// A small room: parallel damped combs into series all-passes, different per side.
void Reverb(Stereo& signal, float room_size, float damping, float mix);
void Reverb(Mono& signal, float room_size, float damping, float mix);
// Only the room's answer to a send, for a reverb shared by several parts.
Stereo ReverbOf(const Stereo& send, float room_size, float damping);

// A feed-forward compressor on the signal's own level.
void Compress(Mono& signal, double threshold_db, double ratio, double attack_s, double release_s);
void Compress(Stereo& signal, double threshold_db, double ratio, double attack_s, double release_s);
// The same for a loop: the compressor first listens to the loop's last `warm_seconds`, so
// that it meets the start in the state in which it leaves the end.
void CompressLoop(Stereo& signal, double threshold_db, double ratio, double attack_s, double release_s,
                  double warm_seconds);

// Linear fades over the first or last seconds.
void FadeIn(Mono& signal, double seconds);
void FadeOut(Mono& signal, double seconds);

// Scales so that the loudest sample reaches peak_db (dBFS); silence is left alone.
void NormalizePeak(Mono& signal, double peak_db);
void NormalizePeak(Stereo& signal, double peak_db);

// Turns a signal rendered `overlap` frames longer than its loop into a seamless loop of
// signal.size() - overlap frames: the extra frames are crossfaded into the beginning, so
// that the last frame runs on into the first as it did when rendered.
void CrossfadeLoop(Mono& signal, size_t overlap);
// For a piece whose content repeats every `length` frames: whatever sounds past the end
// (releases, echoes) is added back onto the start, and the signal is cut to `length`.
void WrapTail(Stereo& signal, size_t length);

// Doubles the sampling rate with a windowed-sinc interpolator.
Mono Upsample2x(const Mono& signal);

// Frames from the first to the last sample above the threshold (dBFS), kept with margins.
Mono TrimSilence(const Mono& signal, double threshold_db, double lead_seconds, double tail_seconds);

}  // namespace synth
