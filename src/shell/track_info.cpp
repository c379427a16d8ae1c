#include "shell/track_info.h"

#include <cstdio>

#include "platform/open_stream.h"
#include "shell/command_line.h"
#include "shell/game_state.h"
#include "track/track.h"
#include "track/track_file.h"

namespace {

int UsedTrackCells(const TTrack& track) {
  int cells = 0;
  for (const auto& column : track.tile_level[1]) {
    for (const TTileData& cell : column) cells += cell.IsParent() ? 1 : 0;
  }
  return cells;
}

// The point counts of the racing lines that have points, in line order: "60, 59, 62, 60".
std::string RacingLinePoints(const TTrack& track) {
  std::string text;
  for (const TWayPointList& line : track.l_waypoints) {
    if (line.empty()) continue;
    text += (text.empty() ? "" : ", ") + std::to_string(line.size());
  }
  return text.empty() ? "none" : text;
}

// Only a plain file name may reach the save folder's tracks.
bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

}  // namespace

std::string TrackInfoText(const std::string& name, long long bytes, const TTrack& track) {
  std::string text;
  const auto line = [&text](const char* column, const std::string& value) { text += std::string(column) + ": " + value + "\n"; };
  line("name", name);
  line("bytes", std::to_string(bytes));
  line("colour", std::to_string(track.i_Colour));
  line("used track cells", std::to_string(UsedTrackCells(track)));
  line("objects", std::to_string(track.l_objects.size()));
  line("checkpoints", std::to_string(track.l_waylines.size()));
  line("points per used racing line", RacingLinePoints(track));
  line("pit points", std::to_string(track.l_pitwaypoints.size()));
  line("wall points", std::to_string(track.l_wallpoints.size()));
  return text;
}

int RunTrackInfo(const CommandLineOptions& options) {
  const std::string& name = options.trackInfo;
  StreamPtr stream = ReadStream(BuiltInTrackLocation(name));
  if (!stream && IsPlainName(name)) stream = ReadStream(SavedTrackPath(name));
  if (!stream) {
    std::fprintf(stderr, "quorvex: no track named '%s', built in or in %sTracks/\n", name.c_str(), SaveFolder.c_str());
    return 1;
  }
  const long long bytes = static_cast<long long>(stream->Size());
  TTrack track;
  ReadTrackData(*stream, track);
  stream->Close();
  std::fputs(TrackInfoText(name, bytes, track).c_str(), stdout);
  return 0;
}
