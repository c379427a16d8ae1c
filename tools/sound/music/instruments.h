// The synthesizers and drum sounds the pieces are played on. Each call renders one note:
// `hold` seconds of key-down plus the instrument's release.
#pragma once

#include <cstdint>

#include "music/piece_design.h"
#include "synth/signal.h"

namespace music {

synth::Mono PlayLead(LeadSound sound, double hz, double hold, float velocity);
synth::Mono PlayBass(BassSound sound, double hz, double hold, float velocity);
// One voice of the pad; `spread` (-1 .. 1) detunes the voices of one chord apart.
synth::Mono PlayPad(PadSound sound, double hz, double hold, float velocity, double spread);
synth::Mono PlayArpeggio(double hz, float velocity);

synth::Mono PlayKick(DrumKit kit, float velocity);
synth::Mono PlaySnare(DrumKit kit, float velocity, uint32_t seed);
synth::Mono PlayClap(float velocity, uint32_t seed);
synth::Mono PlayHat(DrumKit kit, float velocity, bool open, uint32_t seed);
synth::Mono PlayCrash(float velocity, uint32_t seed);
// Noise swept upwards over `seconds`, growing all the way, cut off at the end.
synth::Mono PlayRiser(double seconds, float velocity, uint32_t seed);

}  // namespace music
