// libFuzzer target: LoadTrack on arbitrary bytes, served once as a built-in track and once
// as a track in the save folder. The track must load without crashing or reading past the
// data, and whatever it reads must stay within its fixed-size parts.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/embedded_files.h"
#include "shell/game_state.h"
#include "track/track.h"

namespace {

constexpr const char* kEmbeddedName = "Inc/Tracks/FuzzBuiltIn.trk";
const unsigned char kNothing[1] = {0};

std::string saveFolder;

void RemoveSaveFolder() {
  std::remove((saveFolder + "Tracks/FuzzSaved.trk").c_str());
  rmdir((saveFolder + "Tracks").c_str());
  rmdir(saveFolder.c_str());
}

// A save folder of its own, removed when the run ends.
std::string MakeSaveFolder() {
  char pattern[] = "/tmp/quorvex-fuzz-XXXXXX";
  if (!mkdtemp(pattern)) std::abort();
  saveFolder = std::string(pattern) + "/";
  mkdir((saveFolder + "Tracks").c_str(), 0700);
  std::atexit(RemoveSaveFolder);
  return saveFolder;
}

// The registry keeps its entries for the whole run; the fuzzer's input lives only for one
// call, so the one entry is pointed at each input in turn.
EmbeddedFile* BuiltInEntry() {
  static EmbeddedFile* entry = [] {
    RegisterEmbeddedFile(kEmbeddedName, kNothing, 0);
    return const_cast<EmbeddedFile*>(FindEmbeddedFile(kEmbeddedName));
  }();
  return entry;
}

void Check(const TTrack& track) {
  if (track.i_Colour > 8) std::abort();
  if (track.l_waypoints.size() != static_cast<size_t>(kRacingLines)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string save = MakeSaveFolder();
  static TTrack track;
  SaveFolder = save;
  const std::string tracks = save + "Tracks/";

  EmbeddedFile* entry = BuiltInEntry();
  entry->bytes = size ? data : kNothing;
  entry->size = size;
  track.LoadTrack("FuzzBuiltIn", 0);
  Check(track);
  entry->bytes = kNothing;
  entry->size = 0;

  const std::string path = tracks + "FuzzSaved.trk";
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    track.LoadTrack("FuzzSaved", 0);
    Check(track);
  }
  return 0;
}
