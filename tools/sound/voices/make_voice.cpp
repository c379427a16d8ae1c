// Treats one spoken announcement and writes it as Ogg Vorbis: make_voice SPEECH.wav OUT.ogg
#include <cstdio>

#include "synth/levels.h"
#include "synth/ogg_writer.h"
#include "synth/wav_reader.h"
#include "voices/announcer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_voice SPEECH.wav OUT.ogg\n");
    return 2;
  }
  const auto speech = synth::ReadWav(argv[1]);
  if (!speech) return 1;
  if (speech->rate != synth::kRate && speech->rate * 2 != synth::kRate) {
    std::fprintf(stderr, "%s: unexpected rate %d\n", argv[1], speech->rate);
    return 1;
  }
  const synth::Mono voice = voices::TreatAnnouncement(speech->samples, speech->rate);
  if (voice.empty()) {
    std::fprintf(stderr, "%s: no speech in it\n", argv[1]);
    return 1;
  }
  std::printf("%s\n", synth::LevelReport(argv[2], synth::Measure(voice),
                                         static_cast<double>(voice.size()) / synth::kRate).c_str());
  return synth::WriteBytes(argv[2], synth::EncodeVorbis(voice, synth::VorbisSettings{})) ? 0 : 1;
}
