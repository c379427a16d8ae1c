// The one track of the game: two levels of grid cells, the objects, checkpoint lines, racing
// lines, pit lane and walls, plus the race state and the view scale that go with it.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "track/tile_data.h"
#include "track/track_hooks.h"
#include "track/way_point.h"

class TTileSet;

inline constexpr int kTrackLevels = 2;
inline constexpr int kTrackW = 30;
inline constexpr int kTrackH = 24;
inline constexpr int kRacingLines = 10;
inline constexpr int kMiniCell = 16;

using TWayPointList = std::vector<TWayPoint>;

class TTrack {
 public:
  // A track with fresh cells, empty lists, ten laps and the track tiles' names from the media.
  static std::unique_ptr<TTrack> Create();

  // Every cell empty, every list emptied, racing line 0 current.
  void EraseTrack();
  // Fills the track from "Inc/Tracks/<name>.trk" built in, else from the save folder's
  // "Tracks/". Returns 1 when a file was read; when none is found the track stays erased.
  int LoadTrack(const std::string& name, int startmusic);
  // Writes the save folder's "Tracks/<name>.trk" after the editor's checks; 1 when written.
  int SaveTrack(const std::string& name);

  // The first waypoint whose id is at least id, wrapping to the list's first; null when empty.
  static const TWayPoint* GetWayPoint(int id, const TWayPointList& list);
  const TWayLine* GetWayLine(int id) const;
  // The nearest point to (x, y), or to the screen point (x, y) when screencoords is non-zero.
  static const TWayPoint* GetNearestWaypoint(float x, float y, const TWayPointList& list, int screencoords);

  // Colour number 1..8 (above 8 gives 1) and its colour text.
  void SetTrackColour(int n);
  // The zoom and camera step of one update.
  void UpdateTrackScale();
  // The camera step alone: remembers the previous offsets, then follows the player's ship.
  // The ships' update runs it once more after they have moved, so that the two offsets
  // bracket the update for drawing in between.
  void UpdateCamera();
  // laprecord and lapholder from the game database's records.
  void LookUpLapRecord();

  // How many level-1 cells hold the tile of the given name.
  int CountTiles(const std::string& tileName) const;
  // The minimap extent and the starting view from the level-1 tiles.
  void UpdateMapExtent();

  // The race and editor view: grid and walls, level-1 tiles, objects, checkpoint lines;
  // tween is how far drawing is between the previous and the current update (0..1).
  void Draw(float tween);
  // The race's corner map (preview 0) or the choose-track screen's preview (preview 1).
  void DrawMiniMap(int preview);
  // The 1-based list position of the object nearest the world point; -1 when there is none.
  int GetClosestOb(float x, float y) const;

  std::string name;
  int mode = 0;
  int racestatus = 0;
  int editing = 0;
  int racestarttime = 0;
  int gridstarttime = 0;
  int totallaps = 0;
  int timelimit = 0;
  int laprecord = 0;
  std::string lapholder;
  float scale = 1.0f;
  float mastertilesize = 256.0f;
  float tilesize = 256.0f;
  int obgrid = 32;
  int trackw = kTrackW, trackh = kTrackH;
  int actualtrackw = 0, actualtrackh = 0;
  int mapoffsetx = 0, mapoffsety = 0;
  int i_Colour = 1;
  std::string s_Colour = "$FFFF0000";
  std::shared_ptr<TTileSet> tileset;
  int editlevel = 2;
  std::array<std::array<std::array<TTileData, kTrackH>, kTrackW>, kTrackLevels> tile_level{};
  std::vector<TTileData> l_objects;
  std::vector<TWayLine> l_waylines;
  std::array<TWayPointList, kRacingLines> l_waypoints;
  TWayPointList l_pitwaypoints;
  TWayPointList l_wallpoints;
  int currentracingline = 0;
  int currentrot = 0;

  // The camera before this update's step, for drawing between two updates.
  float prevcamerax = 0.0f, prevcameray = 0.0f;
  // The track tiles' file names in tile-number order (the tile set's numbering).
  std::vector<std::string> tracktilenames;
  TTrackHooks hooks;

 private:
  void ShowMessage(const std::string& key);
  float TargetZoom() const;
  void UpdateZoom(float step);
};

// The one track, made at start-up.
extern std::unique_ptr<TTrack> Track;
// Game time until which a bomb blast pulls the view out (set when the player drops a bomb).
extern int BombZoomEnd;

// The eight track colours, numbered 1..8.
extern const char* const kTrackColours[8];
