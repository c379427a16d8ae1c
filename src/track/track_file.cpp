#include "track/track_file.h"

#include "platform/stream.h"
#include "shell/game_state.h"
#include "track/track.h"

namespace {

void ReadGrid(TStream& stream, TTrack& track) {
  for (auto& level : track.tile_level) {
    for (auto& column : level) {
      for (TTileData& cell : column) {
        cell.id = stream.ReadInt();
        cell.rotation = stream.ReadInt();
        cell.parentx = stream.ReadInt();
        cell.parenty = stream.ReadInt();
      }
    }
  }
}

TWayPoint ReadWayPoint(TStream& stream) {
  TWayPoint point;
  point.id = stream.ReadInt();
  point.x = stream.ReadInt();
  point.y = stream.ReadInt();
  return point;
}

void ReadObject(TStream& stream, TTrack& track) {
  TTileData object;
  object.id = stream.ReadInt();
  object.rotation = stream.ReadInt();
  object.parentx = stream.ReadInt();
  object.parenty = stream.ReadInt();
  if (object.id >= 0) track.l_objects.push_back(object);
}

void ReadWayLine(TStream& stream, TTrack& track) {
  TWayLine line;
  line.id = stream.ReadInt();
  line.x1 = stream.ReadInt();
  line.y1 = stream.ReadInt();
  line.x2 = stream.ReadInt();
  line.y2 = stream.ReadInt();
  track.l_waylines.push_back(line);
}

// Records until the end; racing-line points after the tenth line's end have no line to go to
// and are dropped.
void ReadRecords(TStream& stream, TTrack& track) {
  int line = 0;
  while (!stream.Eof()) {
    switch (stream.ReadInt()) {
      case kTagObject: ReadObject(stream, track); break;
      case kTagWayLine: ReadWayLine(stream, track); break;
      case kTagWayPoint: {
        const TWayPoint point = ReadWayPoint(stream);
        if (line < kRacingLines) track.l_waypoints[static_cast<size_t>(line)].push_back(point);
        break;
      }
      case kTagPitWayPoint: track.l_pitwaypoints.push_back(ReadWayPoint(stream)); break;
      case kTagWallPoint: track.l_wallpoints.push_back(ReadWayPoint(stream)); break;
      case kTagEndRacingLine:
        if (line < kRacingLines) ++line;
        break;
      default: break;  // unknown tags are skipped; their values are read as further tags
    }
  }
}

void WriteWayPoints(TStream& stream, int tag, const TWayPointList& list) {
  for (const TWayPoint& point : list) {
    stream.WriteInt(tag);
    stream.WriteInt(point.id);
    stream.WriteInt(point.x);
    stream.WriteInt(point.y);
  }
}

void WriteGrid(TStream& stream, const TTrack& track) {
  for (const auto& level : track.tile_level) {
    for (const auto& column : level) {
      for (const TTileData& cell : column) {
        stream.WriteInt(cell.id);
        stream.WriteInt(cell.rotation);
        stream.WriteInt(cell.parentx);
        stream.WriteInt(cell.parenty);
      }
    }
  }
}

}  // namespace

void ReadTrackData(TStream& stream, TTrack& track) {
  track.SetTrackColour(stream.ReadInt());
  ReadGrid(stream, track);
  ReadRecords(stream, track);
}

void WriteTrackData(TStream& stream, const TTrack& track) {
  stream.WriteInt(track.i_Colour);
  WriteGrid(stream, track);
  for (const TTileData& object : track.l_objects) {
    stream.WriteInt(kTagObject);
    stream.WriteInt(object.id);
    stream.WriteInt(object.rotation);
    stream.WriteInt(object.parentx);
    stream.WriteInt(object.parenty);
  }
  for (const TWayLine& line : track.l_waylines) {
    stream.WriteInt(kTagWayLine);
    stream.WriteInt(line.id);
    stream.WriteInt(line.x1);
    stream.WriteInt(line.y1);
    stream.WriteInt(line.x2);
    stream.WriteInt(line.y2);
  }
  for (const TWayPointList& line : track.l_waypoints) {
    WriteWayPoints(stream, kTagWayPoint, line);
    stream.WriteInt(kTagEndRacingLine);
  }
  WriteWayPoints(stream, kTagPitWayPoint, track.l_pitwaypoints);
  WriteWayPoints(stream, kTagWallPoint, track.l_wallpoints);
}

std::string BuiltInTrackLocation(const std::string& name) { return "incbin::Inc/Tracks/" + name + ".trk"; }

std::string SavedTrackPath(const std::string& name) { return SaveFolder + "Tracks/" + name + ".trk"; }
