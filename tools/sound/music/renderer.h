// Plays a composed piece on its instruments and masters it into a seamless stereo loop.
#pragma once

#include "music/piece_design.h"
#include "synth/signal.h"

namespace music {

// Exactly PieceFrames(design) frames; the last frame runs on into the first.
synth::Stereo RenderPiece(const PieceDesign& design);

}  // namespace music
