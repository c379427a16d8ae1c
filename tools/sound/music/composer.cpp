#include "music/composer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "synth/random.h"

namespace music {
namespace {

constexpr int kStepsPerBar = 16;
constexpr int kBarsPerSection = 8;
constexpr int kPhraseSteps = 32;  // a melodic phrase lasts two bars

// What plays in each kind of section.
struct Layers {
  bool kick, snare, hats, open_hats, bass, pad, lead, arp, crash;
  float pad_level;
  std::array<int, 4> phrases;  // the motif of each two-bar phrase; -1 rests
};

Layers LayersFor(char section, const PieceDesign& design) {
  switch (section) {
    case 'I':
      return {true, false, true, false, true, true, false, false, false, 0.8f, {-1, -1, -1, -1}};
    case 'V':
      return {true, true, true, false, true, true, true, false, true, 0.55f, {0, 0, 0, 1}};
    case 'C':
      return {true, true, true, true, true, true, true, design.arpeggio, true, 0.7f, {2, 2, 2, 3}};
    case 'B':
      return {false, false, true, false, true, true, true, true, false, 1.0f, {0, 1, 0, 3}};
    default:  // 'D', the build-up back into the top
      return {true, true, true, false, true, true, false, true, false, 0.7f, {-1, -1, -1, -1}};
  }
}

struct MotifNote {
  int step;    // within the phrase
  int length;  // sixteenths
  int degree;  // scale degrees above the chord's root
};
using Motif = std::vector<MotifNote>;

bool IsChordTone(int degree) {
  const int within = ((degree % 7) + 7) % 7;
  return within == 0 || within == 2 || within == 4;
}

int NearestChordTone(int degree) {
  for (int distance = 0; distance < 4; ++distance) {
    if (IsChordTone(degree - distance)) return degree - distance;
    if (IsChordTone(degree + distance)) return degree + distance;
  }
  return degree;
}

// A two-bar idea: a rhythm weighted towards the strong beats and a contour that mostly
// steps, leaps now and then, and lands on chord tones on the beat.
Motif InventMotif(synth::Random& random, double density, bool cadence) {
  std::vector<int> onsets;
  for (int step = 0; step < kPhraseSteps; ++step) {
    double chance = 0.18 * density;
    if (step % 8 == 0) chance = 0.9;
    else if (step % 4 == 0) chance = 0.35 + 0.45 * density;
    else if (step % 2 == 0) chance = 0.2 + 0.4 * density;
    // Breathe at the end of the phrase.
    if (step >= kPhraseSteps - 4) chance *= 0.3;
    if (cadence && step > 20) chance = step == 24 ? 1.0 : 0.0;
    if (random.Chance(static_cast<float>(chance))) onsets.push_back(step);
  }
  if (onsets.empty() || onsets.front() != 0) onsets.insert(onsets.begin(), 0);
  Motif motif;
  int degree = random.Chance(0.5f) ? 4 : 2;
  for (size_t n = 0; n < onsets.size(); ++n) {
    const int next = n + 1 < onsets.size() ? onsets[n + 1] : kPhraseSteps;
    int length = std::min(next - onsets[n], 8);
    if (length > 2 && random.Chance(0.3f)) length = random.Range(1, 2);
    const float move = random.Uniform();
    if (move < 0.6f) degree += random.Chance(0.5f) ? 1 : -1;
    else if (move < 0.85f) degree += random.Chance(0.5f) ? 2 : -2;
    else degree = NearestChordTone(degree + random.Range(-4, 4));
    degree = std::clamp(degree, -2, 9);
    if (onsets[n] % 4 == 0) degree = NearestChordTone(degree);
    motif.push_back({onsets[n], length, degree});
  }
  if (cadence) {
    // The answering phrase comes home to the key's tonic.
    motif.back().degree = 7;
    motif.back().length = kPhraseSteps - motif.back().step;
  }
  return motif;
}

int Semitones(const PieceDesign& design, int degree) {
  const int octave = static_cast<int>(std::floor(degree / 7.0));
  const int within = degree - octave * 7;
  return octave * 12 + design.scale[static_cast<size_t>(within)];
}

// A chord root kept near the tonic, so that sequences of a motif stay in one register.
int CentredRoot(int chord_degree) { return chord_degree > 3 ? chord_degree - 7 : chord_degree; }

class Composer {
 public:
  explicit Composer(const PieceDesign& design) : design_(design), random_(design.seed) {
    for (int m = 0; m < 4; ++m) motifs_[static_cast<size_t>(m)] = InventMotif(random_, design.density, m % 2 == 1);
  }

  Score Compose() {
    const size_t sections = std::strlen(design_.form);
    for (size_t s = 0; s < sections; ++s) {
      const char section = design_.form[s];
      const char next = design_.form[(s + 1) % sections];
      ComposeSection(section, next, static_cast<int>(s) * kBarsPerSection);
    }
    return std::move(score_);
  }

 private:
  void ComposeSection(char section, char next, int first_bar) {
    const Layers layers = LayersFor(section, design_);
    const std::array<int, 8>& chords = (section == 'C' || section == 'B') ? design_.chorus : design_.verse;
    if (layers.crash) Add(Part::kCrash, first_bar * kStepsPerBar, 16, 0, 0.9f);
    // A rising sweep of noise winds the build-up, and the intro's end, into what follows.
    if (section == 'D') Add(Part::kRiser, first_bar * kStepsPerBar, kBarsPerSection * kStepsPerBar, 0, 0.8f);
    if (section == 'I') Add(Part::kRiser, (first_bar + kBarsPerSection - 2) * kStepsPerBar, 2 * kStepsPerBar, 0, 0.5f);
    for (int bar = 0; bar < kBarsPerSection; ++bar) {
      const int chord = chords[static_cast<size_t>(bar)];
      const int at = (first_bar + bar) * kStepsPerBar;
      const bool fill_bar = bar == kBarsPerSection - 1 && (next == 'C' || section == 'D');
      Drums(layers, at, fill_bar, section == 'B');
      if (section == 'D' && bar >= kBarsPerSection - 2) SnareRoll(at, bar == kBarsPerSection - 1);
      if (layers.bass) Bass(chord, at, section == 'B');
      if (layers.pad) Pad(chord, at, layers.pad_level);
      if (layers.arp) Arpeggio(chord, at, section == 'D' ? 0.5f + 0.06f * static_cast<float>(bar) : 0.7f);
    }
    if (layers.lead) {
      for (int phrase = 0; phrase < 4; ++phrase) {
        const int motif = layers.phrases[static_cast<size_t>(phrase)];
        if (motif < 0) continue;
        const int bar = phrase * 2;
        const Motif& line = motifs_[static_cast<size_t>(motif)];
        const int at = (first_bar + bar) * kStepsPerBar;
        Melody(line, chords, bar, at, section == 'B' ? 0.7f : 1.0f, section == 'B' ? -12 : 0);
        // The chorus doubles its tune an octave up.
        if (section == 'C') Melody(line, chords, bar, at, 0.35f, 12);
      }
    }
  }

  // The strength of a groove's hit at a step; a pattern cut short rests for the rest.
  static float Hit(const char* pattern, int step) {
    if (static_cast<size_t>(step) >= std::strlen(pattern)) return 0.0f;
    const char symbol = pattern[step];
    return symbol == 'x' ? 1.0f : symbol == 'o' ? 0.55f : 0.0f;
  }

  void Drums(const Layers& layers, int at, bool fill_bar, bool soft) {
    for (int step = 0; step < kStepsPerBar; ++step) {
      if (layers.kick && Hit(design_.kick, step) > 0) Add(Part::kKick, at + step, 2, 0, Hit(design_.kick, step));
      if (layers.snare && Hit(design_.snare, step) > 0 && !(fill_bar && step >= 12)) {
        Add(design_.kit == DrumKit::kElectro ? Part::kClap : Part::kSnare, at + step, 2, 0, Hit(design_.snare, step));
      }
      if (layers.hats && Hit(design_.hats, step) > 0) {
        Add(Part::kHat, at + step, 1, 0, Hit(design_.hats, step) * (soft ? 0.5f : 0.85f));
      }
      if (layers.open_hats && Hit(design_.open_hats, step) > 0) {
        Add(Part::kOpenHat, at + step, 2, 0, Hit(design_.open_hats, step) * 0.7f);
      }
    }
    if (fill_bar) {
      for (int step = 12; step < kStepsPerBar; ++step) Add(Part::kSnare, at + step, 1, 0, 0.5f + 0.12f * static_cast<float>(step - 12));
    }
  }

  void SnareRoll(int at, bool last) {
    const int every = last ? 1 : 2;
    for (int step = 0; step < kStepsPerBar; step += every) {
      Add(Part::kSnare, at + step, 1, 0, (last ? 0.55f : 0.35f) + 0.025f * static_cast<float>(step));
    }
  }

  int BassNote(int chord) const {
    int semitones = design_.scale[static_cast<size_t>(chord % 7)];
    if (semitones > 7) semitones -= 12;
    return design_.root + semitones;
  }

  void Bass(int chord, int at, bool held) {
    const int root = BassNote(chord);
    if (held) {
      Add(Part::kBass, at, 16, root, 0.7f);
      return;
    }
    const char* line = design_.bass_line;
    const int steps = std::min(kStepsPerBar, static_cast<int>(std::strlen(line)));
    for (int step = 0; step < steps; ++step) {
      const char symbol = line[step];
      if (symbol == '.' || symbol == '-') continue;
      int length = 1;
      while (step + length < steps && line[step + length] == '-') ++length;
      int pitch = root;
      if (symbol == 'o') pitch += 12;
      if (symbol == '5') pitch += Semitones(design_, chord + 4) - Semitones(design_, chord);
      Add(Part::kBass, at + step, length, pitch, step % 4 == 0 ? 1.0f : 0.8f);
    }
  }

  void Pad(int chord, int at, float level) {
    const int centre = design_.root + 19;
    for (int tone : {0, 2, 4}) {
      int pitch = design_.root + 12 + Semitones(design_, chord + tone);
      while (pitch >= centre + 6) pitch -= 12;
      while (pitch < centre - 6) pitch += 12;
      Add(Part::kPad, at, 16, pitch, level);
    }
  }

  void Arpeggio(int chord, int at, float level) {
    constexpr std::array<int, 8> kPattern = {0, 2, 4, 7, 4, 2, 7, 9};
    for (int step = 0; step < kStepsPerBar; ++step) {
      const int degree = CentredRoot(chord) + kPattern[static_cast<size_t>(step % 8)];
      const float accent = step % 4 == 0 ? 1.0f : 0.7f;
      Add(Part::kArp, at + step, 1, design_.root + 24 + Semitones(design_, degree), level * accent);
    }
  }

  void Melody(const Motif& motif, const std::array<int, 8>& chords, int first_bar, int at, float level, int shift) {
    for (const MotifNote& note : motif) {
      const int bar = first_bar + note.step / kStepsPerBar;
      const int chord = chords[static_cast<size_t>(bar % kBarsPerSection)];
      int degree = CentredRoot(chord) + note.degree;
      // Off the beat a passing note may clash; on the beat it belongs to the chord.
      if (note.step % 4 == 0 && !IsChordTone(degree - CentredRoot(chord))) degree = NearestChordTone(degree);
      const float accent = note.step % 8 == 0 ? 1.0f : 0.8f;
      Add(Part::kLead, at + note.step, note.length, design_.root + 24 + shift + Semitones(design_, degree), level * accent);
    }
  }

  void Add(Part part, int step, double length, double midi, float velocity) {
    // Swing pushes the off-beat sixteenths late.
    const double swung = step % 2 == 1 ? step + design_.swing : step;
    score_.push_back({part, swung, length, midi, velocity});
  }

  const PieceDesign& design_;
  synth::Random random_;
  std::array<Motif, 4> motifs_;
  Score score_;
};

}  // namespace

Score Compose(const PieceDesign& design) { return Composer(design).Compose(); }

}  // namespace music
