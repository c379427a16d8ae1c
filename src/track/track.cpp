#include "track/track.h"

#include <cmath>

#include "progress/game_db.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "track/tile_names.h"

std::unique_ptr<TTrack> Track;
int BombZoomEnd = 0;

const char* const kTrackColours[8] = {"$FFFF0000", "$FF00FF66", "$FF0066FF", "$FFFFFF00",
                                      "$FF00FFFF", "$FFFF66FF", "$FFFF9900", "$FF6600FF"};

std::unique_ptr<TTrack> TTrack::Create() {
  auto track = std::make_unique<TTrack>();
  track->totallaps = 10;
  track->tracktilenames = ListTilePictures(DataRoot + "Media/Tiles/Track/");
  return track;
}

void TTrack::EraseTrack() {
  for (auto& level : tile_level) {
    for (auto& column : level) {
      for (TTileData& cell : column) {
        cell.id = -1;
        cell.rotation = 0;
        cell.parentx = -1;
        cell.parenty = -1;
      }
    }
  }
  l_objects.clear();
  l_waylines.clear();
  for (TWayPointList& line : l_waypoints) line.clear();
  l_pitwaypoints.clear();
  l_wallpoints.clear();
  currentracingline = 0;
}

const TWayPoint* TTrack::GetWayPoint(int id, const TWayPointList& list) {
  if (list.empty()) return nullptr;
  for (const TWayPoint& point : list) {
    if (point.id >= id) return &point;
  }
  return &list.front();
}

const TWayLine* TTrack::GetWayLine(int id) const {
  if (l_waylines.empty()) return nullptr;
  for (const TWayLine& line : l_waylines) {
    if (line.id >= id) return &line;
  }
  return &l_waylines.front();
}

const TWayPoint* TTrack::GetNearestWaypoint(float x, float y, const TWayPointList& list, int screencoords) {
  if (screencoords) {
    x += std::fabs(CameraX);
    y += std::fabs(CameraY);
  }
  const TWayPoint* nearest = nullptr;
  double best = 0.0;
  for (const TWayPoint& point : list) {
    // Squared distances order the points the same way, without a root per point.
    const double dx = point.x - static_cast<double>(x), dy = point.y - static_cast<double>(y);
    const double distance = dx * dx + dy * dy;
    if (!nearest || distance < best) {
      nearest = &point;
      best = distance;
    }
  }
  return nearest;
}

void TTrack::SetTrackColour(int n) {
  i_Colour = n > 8 ? 1 : n;
  if (i_Colour >= 1) s_Colour = kTrackColours[i_Colour - 1];
}

void TTrack::LookUpLapRecord() {
  laprecord = DbGetIntWhere("laprecord", "records", "trackname", name);
  lapholder = DbGetStringWhere("lapholder", "records", "trackname", name);
}

int TTrack::CountTiles(const std::string& tileName) const {
  int count = 0;
  for (const auto& column : tile_level[1]) {
    for (const TTileData& cell : column) {
      if (cell.id < 0 || cell.id >= static_cast<int>(tracktilenames.size())) continue;
      if (tracktilenames[static_cast<size_t>(cell.id)] == tileName) ++count;
    }
  }
  return count;
}

void TTrack::ShowMessage(const std::string& key) {
  if (hooks.messageBox) {
    hooks.messageBox(key);
  } else {
    Log("MessageBox: " + key);
  }
}
