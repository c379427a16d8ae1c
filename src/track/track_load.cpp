// Loading a track into the one TTrack, and saving the editor's work.
#include <algorithm>
#include <iterator>

#include "platform/file_system.h"
#include "platform/open_stream.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "track/tile_names.h"
#include "track/track.h"
#include "track/track_file.h"

namespace {

// A track name becomes a file name: it must stay inside the tracks folder.
bool IsSafeTrackName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

StreamPtr OpenTrack(const std::string& name) {
  StreamPtr stream = ReadStream(BuiltInTrackLocation(name));
  if (!stream && IsSafeTrackName(name)) stream = ReadStream(SavedTrackPath(name));
  return stream;
}

void Call(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

int TTrack::LoadTrack(const std::string& trackName, int startmusic) {
  Log("LoadTrack:" + trackName);
  EraseTrack();
  StreamPtr stream = OpenTrack(trackName);
  if (!stream) return 0;
  ReadTrackData(*stream, *this);
  stream->Close();
  name = trackName;
  LookUpLapRecord();
  Call(hooks.resetCars);
  UpdateMapExtent();
  UpdateTrackScale();
  if (startmusic) Call(hooks.startMusic);
  Call(hooks.clearParticles);
  racestarttime = GameTime;
  gridstarttime = 0;
  Call(hooks.flushMouse);
  Log("racestarttime: " + std::to_string(racestarttime));
  return 1;
}

int TTrack::SaveTrack(const std::string& trackName) {
  const bool gridsOnce = std::all_of(std::begin(kGridTileNames), std::end(kGridTileNames),
                                     [this](const char* grid) { return CountTiles(grid) == 1; });
  if (!gridsOnce) {
    ShowMessage("CMESSAGE_EDITORWARNING_GRID");
    return 0;
  }
  const bool noRacingLine = std::all_of(l_waypoints.begin(), l_waypoints.end(),
                                        [](const TWayPointList& line) { return line.empty(); });
  if (noRacingLine) ShowMessage("CMESSAGE_EDITORWARNING_RACINGLINES");
  if (l_pitwaypoints.empty()) ShowMessage("CMESSAGE_EDITORWARNING_PITLANE");
  if (l_waylines.empty()) ShowMessage("CMESSAGE_EDITORWARNING_CHECKPOINTS");
  if (!IsSafeTrackName(trackName)) {
    Log("SaveTrack: not a usable track name: " + trackName, kLogError);
    return 0;
  }
  // Written beside the old file first, so a full disk never costs the player the track.
  const std::string path = SavedTrackPath(trackName);
  const std::string temporary = path + ".part";
  StreamPtr stream = WriteStream(temporary);
  bool written = false;
  if (stream) {
    WriteTrackData(*stream, *this);
    stream->Close();
    written = !stream->Failed() && RenameFile(temporary, path);
  }
  if (!written) {
    DeleteFile(temporary);
    Log("SaveTrack: could not write " + path, kLogError);
    return 0;
  }
  return 1;
}
