#include "voices/announcer.h"

#include "synth/effects.h"
#include "synth/filter.h"

namespace voices {

synth::Mono TreatAnnouncement(const synth::Mono& speech, int rate) {
  synth::Mono voice = synth::TrimSilence(speech, -45.0, 0.01, 0.0);
  if (voice.empty()) return voice;
  if (rate * 2 == synth::kRate) voice = synth::Upsample2x(voice);
  // Room for the reverb to ring out after the last word.
  voice.resize(voice.size() + synth::Frames(0.3), 0.0f);
  // A loudspeaker's band with a lift where speech is understood.
  synth::Biquad low_cut = synth::Biquad::HighPass(220.0, 0.8);
  synth::Biquad low_cut2 = synth::Biquad::HighPass(220.0, 0.8);
  synth::Biquad high_cut = synth::Biquad::LowPass(5200.0, 0.8);
  synth::Biquad presence = synth::Biquad::Peak(2600.0, 1.0, 5.0);
  synth::Biquad chest = synth::Biquad::Peak(400.0, 1.2, 2.0);
  for (float& x : voice) x = chest.Process(presence.Process(high_cut.Process(low_cut2.Process(low_cut.Process(x)))));
  synth::NormalizePeak(voice, -3.0);
  // Even the words out, then a touch of drive for the speaker's grit.
  synth::Compress(voice, -20.0, 4.0, 0.003, 0.08);
  synth::NormalizePeak(voice, -3.0);
  synth::Saturate(voice, 1.8f);
  synth::Reverb(voice, 0.35f, 0.5f, 0.18f);
  synth::FadeIn(voice, 0.005);
  synth::FadeOut(voice, 0.05);
  synth::NormalizePeak(voice, kVoicePeakDb);
  return voice;
}

}  // namespace voices
