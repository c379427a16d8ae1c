// The race announcer's voice treatment: the synthesizer's plain speech made to sound like a
// voice over the arena's speakers.
#pragma once

#include "synth/signal.h"

namespace voices {

// Speech at 22050 or 44100 Hz in, the treated voice at synth::kRate out.
synth::Mono TreatAnnouncement(const synth::Mono& speech, int rate);

// The level every announcement is brought to.
inline constexpr double kVoicePeakDb = -1.0;

}  // namespace voices
