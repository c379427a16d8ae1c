// Composes, plays and encodes one piece: make_music NUMBER OUT.ogg (NUMBER -1 or 1 .. 8)
#include <malloc.h>

#include <cstdio>
#include <cstdlib>

#include "music/piece_design.h"
#include "music/renderer.h"
#include "synth/levels.h"
#include "synth/ogg_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_music NUMBER OUT.ogg\n");
    return 2;
  }
  // Thousands of note buffers come and go: keep them out of mmap, whose fresh pages cost
  // more to fault in than the notes cost to compute.
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);  // the largest glibc accepts
  mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
  const music::PieceDesign* design = music::FindPiece(std::atoi(argv[1]));
  if (!design) {
    std::fprintf(stderr, "no piece number %s\n", argv[1]);
    return 2;
  }
  const synth::Stereo piece = music::RenderPiece(*design);
  std::printf("%s\n", synth::LevelReport(design->name, synth::Measure(piece),
                                         static_cast<double>(piece.frames()) / synth::kRate).c_str());
  synth::VorbisSettings settings;
  settings.quality = music::kMusicQuality;
  return synth::WriteBytes(argv[2], synth::EncodeVorbis(piece, settings)) ? 0 : 1;
}
