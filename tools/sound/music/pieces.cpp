// The nine pieces: the title theme and eight race tracks, each in its own key, tempo,
// groove and sound.
#include <array>
#include <cmath>
#include <cstring>

#include "music/piece_design.h"
#include "synth/signal.h"

namespace music {
namespace {

constexpr std::array<int, 7> kAeolian = {0, 2, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kDorian = {0, 2, 3, 5, 7, 9, 10};
constexpr std::array<int, 7> kPhrygian = {0, 1, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kHarmonicMinor = {0, 2, 3, 5, 7, 8, 11};

using L = LeadSound;
using B = BassSound;
using P = PadSound;
using K = DrumKit;

constexpr std::array<PieceDesign, 9> kPieces = {{
    // The title theme: broad and slow, a half-time beat under brass and strings. D minor.
    {-1, "title", 100.0, 38, kAeolian, {0, 0, 5, 5, 3, 3, 4, 4}, {5, 5, 2, 2, 6, 6, 4, 4},
     "x.......x.......", "....x.......x...", "x.x.x.x.x.x.x.x.", "..o...o...o...o.", "x-------x---o---",
     "IVCBC", L::kBrass, B::kSub, P::kStrings, K::kPunchy, 0.0, 0.45, true, 0.75, 0.2, 0x7171u},
    // Four to the floor with an off-beat bass and a soaring saw lead. A minor.
    {1, "race1", 140.0, 45, kAeolian, {0, 0, 5, 5, 6, 6, 4, 4}, {5, 6, 0, 0, 5, 6, 4, 4},
     "x...x...x...x...", "....x.......x...", "..x...x...x...x.", "..o...o...o...o.", "..x-..x-..x-..o-",
     "IVCBVCD", L::kSuperSaw, B::kOctavePulse, P::kStrings, K::kPunchy, 0.0, 0.6, true, 0.75, 0.5, 0x1001u},
    // Dark acid: a squelching bass in E phrygian, claps and busy hats.
    {2, "race2", 128.0, 40, kPhrygian, {0, 0, 1, 1, 0, 0, 6, 6}, {0, 1, 5, 6, 0, 1, 3, 4},
     "x...x...x...x...", "....x.......x...", "x.xxx.xxx.xxx.xx", "..x...x...x...x.", "x.xox.x5x.xox.xo",
     "IVCDVC", L::kSquare, B::kAcid, P::kGlass, K::kElectro, 0.08, 0.5, false, 0.5, 0.35, 0x2002u},
    // Fast breakbeat with a growling detuned bass. F sharp minor.
    {3, "race3", 172.0, 42, kAeolian, {0, 0, 3, 3, 5, 5, 6, 6}, {3, 4, 0, 0, 3, 4, 6, 6},
     "x.........x.....", "....x.......x...", "x.x.x.xxx.x.x.x.", "......x.......x.", "x-------x---5---",
     "IVCBVCDC", L::kPluck, B::kReese, P::kStrings, K::kBreaks, 0.0, 0.7, true, 0.75, 0.25, 0x3003u},
    // A chiptune chase in C harmonic minor: pulse lead, octave bass, quick arpeggios.
    {4, "race4", 150.0, 36, kHarmonicMinor, {0, 0, 3, 3, 4, 4, 0, 4}, {5, 5, 3, 3, 1, 1, 4, 4},
     "x.....x...x.....", "....x.......x..x", "x.x.x.x.x.x.x.x.", "..............o.", "xoxoxoxoxoxoxoxo",
     "IVCBVCD", L::kSquare, B::kSub, P::kGlass, K::kPunchy, 0.0, 0.8, true, 0.5, 0.15, 0x4004u},
    // Swung electro-funk in G dorian: a slapping FM bass and bell-like keys.
    {5, "race5", 115.0, 43, kDorian, {0, 0, 3, 3, 0, 0, 4, 4}, {6, 6, 3, 3, 2, 2, 4, 4},
     "x..x..x...x..x..", "....x.......x...", "xoxoxoxoxoxoxoxo", "......x.........", "x..x.ox..x.5.o..",
     "IVCBC", L::kFmBell, B::kFm, P::kStrings, K::kElectro, 0.22, 0.55, false, 0.75, 0.2, 0x5005u},
    // Industrial: distorted drums, a driving acid line and brass stabs. B minor.
    {6, "race6", 135.0, 35, kAeolian, {0, 0, 0, 0, 5, 5, 6, 6}, {3, 3, 5, 5, 6, 6, 4, 4},
     "x...x...x...x.x.", "....x.......x...", "x.x.x.x.x.x.x.x.", "..o...o...o...o.", "x.xxx.xxx.xxx.xx",
     "IVCDVC", L::kBrass, B::kAcid, P::kStrings, K::kIndustrial, 0.0, 0.5, true, 0.5, 0.3, 0x6006u},
    // Night-drive synthwave at double time: gated saws over a pulsing octave bass. E flat minor.
    {7, "race7", 160.0, 39, kAeolian, {0, 0, 5, 5, 2, 2, 6, 6}, {5, 5, 6, 6, 0, 0, 4, 4},
     "x.......x.......", "....x.......x...", "x.x.x.x.x.x.x.x.", "................", "x-x-o-x-x-x-o-x-",
     "IVCBVCDC", L::kSuperSaw, B::kOctavePulse, P::kStrings, K::kElectro, 0.0, 0.5, true, 0.75, 0.4, 0x7007u},
    // Hypnotic techno in F dorian: plucked lead, deep FM bass and a rolling arpeggio.
    {8, "race8", 124.0, 41, kDorian, {0, 0, 0, 0, 3, 3, 6, 6}, {3, 3, 0, 0, 6, 6, 4, 4},
     "x...x...x...x...", "....x.......x...", "..x...x...x...x.", "..x...x...x...x.", "..x...x5..x...xo",
     "IVCBVC", L::kPluck, B::kFm, P::kGlass, K::kIndustrial, 0.0, 0.35, true, 0.75, 0.45, 0x8008u},
}};

}  // namespace

std::span<const PieceDesign> MusicCatalogue() { return kPieces; }

const PieceDesign* FindPiece(int number) {
  for (const PieceDesign& design : kPieces) {
    if (design.number == number) return &design;
  }
  return nullptr;
}

int PieceBars(const PieceDesign& design) { return static_cast<int>(std::strlen(design.form)) * 8; }

double SecondsPerBeat(const PieceDesign& design) { return 60.0 / design.bpm; }

size_t PieceFrames(const PieceDesign& design) {
  return static_cast<size_t>(std::lround(PieceBars(design) * 4.0 * SecondsPerBeat(design) * synth::kRate));
}

}  // namespace music
