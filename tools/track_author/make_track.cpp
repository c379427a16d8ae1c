// Builds one track file from its text description.
//
//   qx_make_track DESCRIPTION.txt OUTPUT.trk
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/file_stream.h"
#include "track/track.h"
#include "track/track_file.h"
#include "track_description.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DESCRIPTION.txt OUTPUT.trk\n", argv[0]);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  TTrack track;
  std::string error;
  if (!BuildTrack(text, track, error)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
    return 1;
  }
  auto out = TCStream::Open(argv[2], false, true);
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  WriteTrackData(*out, track);
  out->Close();
  if (out->Failed()) {
    std::fprintf(stderr, "could not finish %s\n", argv[2]);
    return 1;
  }
  return 0;
}
