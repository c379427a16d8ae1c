// What makes one piece of music itself: tempo, key, harmony, grooves, sounds and form.
// The composer turns a design into notes; the renderer turns notes into sound.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace music {

enum class LeadSound { kSuperSaw, kSquare, kFmBell, kPluck, kBrass };
enum class BassSound { kAcid, kSub, kReese, kFm, kOctavePulse };
enum class PadSound { kStrings, kGlass };
enum class DrumKit { kPunchy, kElectro, kIndustrial, kBreaks };

struct PieceDesign {
  int number;        // -1 the title piece, 1 .. 8 the race pieces
  const char* name;  // the embedded file is "Inc/Music/<name>.ogg"
  double bpm;
  int root;                   // MIDI note of the key's tonic in the bass register
  std::array<int, 7> scale;   // semitones above the tonic
  std::array<int, 8> verse;   // chord roots, as scale degrees from 0, one per bar
  std::array<int, 8> chorus;
  // Drum grooves over one bar of sixteenths: 'x' hit, 'o' soft hit, '.' nothing.
  const char* kick;
  const char* snare;
  const char* hats;
  const char* open_hats;
  // The bass over one bar: 'x' the chord's root, 'o' an octave up, '5' its fifth,
  // '-' holds the note before, '.' rests.
  const char* bass_line;
  // One letter per eight bars: 'I' intro, 'V' verse, 'C' chorus, 'B' break, 'D' build-up.
  // The last section leads back into the first, as the piece loops.
  const char* form;
  LeadSound lead;
  BassSound bass;
  PadSound pad;
  DrumKit kit;
  double swing;           // how late the off-beat sixteenths fall, as a share of a sixteenth
  double density;         // how busy the melody is, 0 .. 1
  bool arpeggio;          // sixteenth-note chord arpeggios in choruses and breaks
  double echo_beats;      // the lead's echo time
  double pump;            // how deeply the kick ducks the pad and bass, 0 .. 1
  uint32_t seed;          // the melody's invention
};

// The Vorbis quality of the embedded music: the nine pieces stay near 10 MB in all.
inline constexpr float kMusicQuality = 0.1f;

std::span<const PieceDesign> MusicCatalogue();
const PieceDesign* FindPiece(int number);

// Bars in the piece and its exact length in sample frames.
int PieceBars(const PieceDesign& design);
size_t PieceFrames(const PieceDesign& design);
double SecondsPerBeat(const PieceDesign& design);

}  // namespace music
