#include "music/renderer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "music/composer.h"
#include "music/instruments.h"
#include "synth/effects.h"

namespace music {

using synth::Mono;
using synth::Stereo;

namespace {

// Releases, echoes and the room ring on past the loop's end; they are folded back onto the
// start, where they sound when the piece comes round again.
constexpr double kTailSeconds = 3.0;

// The balance of the parts in the mix.
constexpr float kDrumLevel = 0.8f;
constexpr float kBassLevel = 0.6f;
constexpr float kPadLevel = 0.5f;
constexpr float kLeadLevel = 0.65f;
constexpr float kArpLevel = 0.4f;

struct Buses {
  explicit Buses(size_t frames)
      : drums(frames), ducked(frames), lead(frames), send(frames) {}
  Stereo drums;
  Stereo ducked;  // bass and pad, which the kick pushes down
  Stereo lead;    // melody and arpeggios, with their echoes
  Stereo send;    // into the shared room
};

class Renderer {
 public:
  explicit Renderer(const PieceDesign& design)
      : design_(design),
        step_seconds_(SecondsPerBeat(design) / 4.0),
        length_(PieceFrames(design)),
        buses_(length_ + synth::Frames(kTailSeconds)),
        ducking_(length_ + synth::Frames(kTailSeconds), 1.0f) {}

  Stereo Render() {
    for (const Note& note : Compose(design_)) Play(note);
    return Mix();
  }

 private:
  size_t At(double step) const { return static_cast<size_t>(std::lround(step * step_seconds_ * synth::kRate)); }
  double Hold(const Note& note) const { return note.length * step_seconds_ * 0.92; }

  void Play(const Note& note) {
    const size_t at = At(note.step);
    const double hz = synth::NoteHz(note.midi);
    const uint32_t seed = ++hits_;
    switch (note.part) {
      case Part::kLead: {
        const Mono voice = PlayLead(design_.lead, hz, Hold(note), note.velocity);
        synth::MixPanned(buses_.lead, voice, at, kLeadLevel, 0.0f);
        synth::MixPanned(buses_.send, voice, at, 0.25f, 0.0f);
        break;
      }
      case Part::kBass:
        synth::MixPanned(buses_.ducked, PlayBass(design_.bass, hz, Hold(note), note.velocity), at, kBassLevel, 0.0f);
        break;
      case Part::kPad: {
        const double spread = static_cast<double>(pad_voice_++ % 3) - 1.0;
        const Mono voice = PlayPad(design_.pad, hz, Hold(note), note.velocity, spread);
        synth::MixPanned(buses_.ducked, voice, at, kPadLevel, static_cast<float>(spread * 0.6));
        synth::MixPanned(buses_.send, voice, at, 0.45f, 0.0f);
        break;
      }
      case Part::kArp: {
        const Mono voice = PlayArpeggio(hz, note.velocity);
        const float pan = (static_cast<long>(note.step) % 2 == 0) ? -0.4f : 0.4f;
        synth::MixPanned(buses_.lead, voice, at, kArpLevel, pan);
        synth::MixPanned(buses_.send, voice, at, 0.2f, 0.0f);
        break;
      }
      case Part::kKick:
        synth::MixPanned(buses_.drums, Drum(note, seed), at, 1.0f, 0.0f);
        Duck(at);
        break;
      case Part::kSnare: {
        const Mono& hit = Drum(note, seed);
        synth::MixPanned(buses_.drums, hit, at, 0.8f, 0.05f);
        synth::MixPanned(buses_.send, hit, at, 0.3f, 0.0f);
        break;
      }
      case Part::kClap: {
        const Mono& hit = Drum(note, seed);
        synth::MixPanned(buses_.drums, hit, at, 0.8f, -0.05f);
        synth::MixPanned(buses_.send, hit, at, 0.35f, 0.0f);
        break;
      }
      case Part::kHat:
        synth::MixPanned(buses_.drums, Drum(note, seed), at, 0.6f, 0.25f);
        break;
      case Part::kOpenHat:
        synth::MixPanned(buses_.drums, Drum(note, seed), at, 0.5f, -0.25f);
        break;
      case Part::kCrash:
        synth::MixPanned(buses_.drums, Drum(note, seed), at, 0.7f, -0.1f);
        break;
      case Part::kRiser: {
        const Mono riser = PlayRiser(note.length * step_seconds_, note.velocity, seed);
        synth::MixPanned(buses_.drums, riser, at, 1.0f, 0.0f);
        synth::MixPanned(buses_.send, riser, at, 0.4f, 0.0f);
        break;
      }
    }
  }

  // Drum hits repeat: each strength is rendered once, in four takes that alternate.
  const Mono& Drum(const Note& note, uint32_t seed) {
    const auto key = std::make_tuple(note.part, std::lround(note.velocity * 100.0f), seed % 4);
    auto found = drums_.find(key);
    if (found != drums_.end()) return found->second;
    const uint32_t take = 1000u + seed % 4;
    Mono hit;
    switch (note.part) {
      case Part::kKick: hit = PlayKick(design_.kit, note.velocity); break;
      case Part::kSnare: hit = PlaySnare(design_.kit, note.velocity, take); break;
      case Part::kClap: hit = PlayClap(note.velocity, take); break;
      case Part::kHat: hit = PlayHat(design_.kit, note.velocity, false, take); break;
      case Part::kOpenHat: hit = PlayHat(design_.kit, note.velocity, true, take); break;
      default: hit = PlayCrash(note.velocity, take); break;
    }
    return drums_.emplace(key, std::move(hit)).first->second;
  }

  // The kick pushes the pad and bass down for a moment: the pumping of club music.
  void Duck(size_t at) {
    const size_t span = synth::Frames(step_seconds_ * 3.5);
    // A kick near the start also ducks the tail that will be folded over it.
    for (size_t start : {at, at + length_}) {
      for (size_t i = 0; i < span && start + i < ducking_.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(span);
        const auto gain = static_cast<float>(1.0 - design_.pump * (1.0 - t) * (1.0 - t));
        ducking_[start + i] = std::min(ducking_[start + i], gain);
      }
    }
  }

  Stereo Mix() {
    const double beat = SecondsPerBeat(design_);
    synth::PingPong(buses_.lead, beat * design_.echo_beats, 0.35f, 0.3f, 3500.0);
    const Stereo room = synth::ReverbOf(buses_.send, 0.75f, 0.45f);
    // The mix is gathered in the drum bus, which is no longer needed on its own.
    Stereo& mix = buses_.drums;
    for (size_t i = 0; i < mix.frames(); ++i) {
      const float duck = ducking_[i];
      mix.left[i] = kDrumLevel * mix.left[i] + duck * buses_.ducked.left[i] + buses_.lead.left[i] + 0.5f * room.left[i];
      mix.right[i] = kDrumLevel * mix.right[i] + duck * buses_.ducked.right[i] + buses_.lead.right[i] + 0.5f * room.right[i];
    }
    synth::WrapTail(mix, length_);
    Master(mix);
    return std::move(mix);
  }

  // Bus compression as though the piece had been looping already, so the loop point keeps
  // the same gain on both sides; then a gentle saturation for glue.
  static void Master(Stereo& mix) {
    synth::NormalizePeak(mix, -3.0);
    synth::CompressLoop(mix, -12.0, 2.5, 0.005, 0.2, 5.0);
    for (size_t i = 0; i < mix.frames(); ++i) {
      mix.left[i] = std::tanh(mix.left[i] * 1.3f);
      mix.right[i] = std::tanh(mix.right[i] * 1.3f);
    }
    // Headroom for the coder, whose low bit rate lets peaks grow by most of a decibel.
    synth::NormalizePeak(mix, -1.5);
  }

  const PieceDesign& design_;
  double step_seconds_;
  size_t length_;
  Buses buses_;
  Mono ducking_;
  uint32_t hits_ = 0;
  std::map<std::tuple<Part, long, uint32_t>, Mono> drums_;
  unsigned pad_voice_ = 0;
};

}  // namespace

Stereo RenderPiece(const PieceDesign& design) { return Renderer(design).Render(); }

}  // namespace music
