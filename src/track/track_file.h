// The track file: 32-bit little-endian integers only. The colour number, the two grid levels
// (x outer, y inner; id, rotation, parentx, parenty per cell), then tagged records to the end.
#pragma once

#include <string>

class TStream;
class TTrack;

enum TrackRecordTag {
  kTagObject = 1,        // id, rotation, x, y
  kTagWayLine = 2,       // id, x1, y1, x2, y2
  kTagWayPoint = 3,      // id, x, y on the current racing line
  kTagPitWayPoint = 4,   // id, x, y
  kTagWallPoint = 5,     // id, x, y
  kTagEndRacingLine = 6  // the next tag-3 records belong to the next racing line
};

// Bytes of the colour and the grid part together.
inline constexpr int kTrackHeaderBytes = 4 + 2 * 30 * 24 * 4 * 4;

// Reads colour, grid and records into an erased track; what is missing reads as 0.
void ReadTrackData(TStream& stream, TTrack& track);
// Writes the whole track in the saved order: objects, checkpoint lines, the ten racing
// lines each closed by a tag 6, pit lane, walls.
void WriteTrackData(TStream& stream, const TTrack& track);

// "incbin::Inc/Tracks/<name>.trk" and the save folder's "Tracks/<name>.trk".
std::string BuiltInTrackLocation(const std::string& name);
std::string SavedTrackPath(const std::string& name);
