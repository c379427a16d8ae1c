// The small map of the track's level-1 tiles: in a race's corner, and as the track preview
// of the choose-track screen with the track's name and lap record.
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/image.h"
#include "shell/draw_helpers.h"
#include "shell/game_state.h"
#include "track/tile_set.h"
#include "track/track.h"
#include "track/track_look.h"

namespace {

std::string Text(const std::string& phrase) { return TrackLook.text ? TrackLook.text(phrase) : phrase; }

std::string LapTime(int ms) {
  if (TrackLook.formatTime) return TrackLook.formatTime(ms);
  return ms < 1 ? "--:--:--" : std::to_string(ms);
}

void DrawPreviewTexts(const TTrack& track) {
  const float x = float(OffsetX + 555);
  DrawTextAligned(track.name, x, float(OffsetY + 110), 1, 0, 1, 1);
  DrawTextAligned(Text("Lap Record"), x, float(OffsetY + 420), 1, 0, 0.5f, 1);
  DrawTextAligned(LapTime(track.laprecord), x, float(OffsetY + 440), 1, 0, 1, 1);
  DrawTextAligned(Text("Driver"), x, float(OffsetY + 500), 1, 0, 0.5f, 1);
  DrawTextAligned(track.lapholder, x, float(OffsetY + 520), 1, 0, 1, 1);
}

// The tile's mini picture, or the first track tile's when it has none.
TImage* MiniPicture(const TTileArray& tiles, int id) {
  TImage* mini = tiles[size_t(id)]->imgmini.get();
  return mini ? mini : tiles.front()->imgmini.get();
}

void DrawMiniTiles(const TTrack& track, int ox, int oy) {
  if (!track.tileset) return;
  const TTileArray& tiles = track.tileset->tracktile_array;
  for (int x = 0; x < kTrackW; ++x) {
    for (int y = 0; y < kTrackH; ++y) {
      const TTileData& cell = track.tile_level[1][size_t(x)][size_t(y)];
      if (cell.id < 0 || cell.id >= int(tiles.size())) continue;
      TImage* mini = MiniPicture(tiles, cell.id);
      if (!mini) continue;
      const int px = ox + x * kMiniCell + ImageWidth(mini) / 2;
      const int py = oy + y * kMiniCell + ImageHeight(mini) / 2;
      MidHandleImage(mini);
      SetRotation(float(cell.rotation));
      DrawImage(mini, float(px), float(py), 0);
      SetImageHandle(mini, 0, 0);
    }
  }
  SetRotation(0);
}

}  // namespace

void TTrack::DrawMiniMap(int preview) {
  if (!ShowMap) return;
  int ox = mapoffsetx, oy = mapoffsety;
  if (preview) {
    ox += OffsetX + 535 - actualtrackw / 2;
    oy += OffsetY + 250 - actualtrackh / 2;
    DrawPreviewTexts(*this);
    if (l_waylines.empty()) return;
  }
  SetAlpha(preview ? 0.75f : 0.2f);
  SetScale(1, 1);
  SetColor(255, 255, 255);
  DrawMiniTiles(*this, ox, oy);
  SetAlpha(1.0f);
  if (!preview && TrackLook.drawCarsMini) TrackLook.drawCarsMini();
}
