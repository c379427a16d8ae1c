// Writes a piece's notes from its design: melody motifs developed over its chords, bass,
// pads, arpeggios and drums, section by section.
#pragma once

#include "music/piece_design.h"
#include "music/score.h"

namespace music {

Score Compose(const PieceDesign& design);

}  // namespace music
