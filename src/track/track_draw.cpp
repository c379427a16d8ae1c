// The track as the race and the editor show it: background grid and walls, the tiles of the
// track level, the objects and the checkpoint lines, all in light blend.
#include <cmath>
#include <limits>

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/glow_line.h"
#include "platform/image.h"
#include "platform/render_driver.h"
#include "shell/draw_helpers.h"
#include "shell/game_state.h"
#include "track/tile_names.h"
#include "track/tile_set.h"
#include "track/track.h"
#include "track/track_look.h"

namespace {

constexpr float kGridStep = 32.0f;
constexpr float kGridGlowWidth = 13.0f;
constexpr float kWallGlowWidth = 50.0f;
constexpr float kCullMargin = 512.0f;
constexpr int kKeyLeftControl = 162;
constexpr int kObjectsLayer = 3;
constexpr int kCheckPointsLayer = 4;

struct TView {
  float x = 0, y = 0;
};

bool OnScreen(float px, float py) {
  return px > -kCullMargin && py > -kCullMargin && px < float(ScreenW) + kCullMargin &&
         py < float(ScreenH) + kCullMargin;
}

void Segment(float x1, float y1, float x2, float y2, bool glow, uint32_t argb, float width) {
  if (glow) {
    // Without its picture a glow line draws nothing, like any missing picture.
    if (TrackLook.glow) TPoly::Line(TrackLook.glow, 0, x1, y1, argb, x2, y2, argb, width, true, false);
  } else {
    DrawLine(x1, y1, x2, y2);
  }
}

// Lines every 32 pixels, shifted with the view so that the grid seems fixed to the world.
void DrawBackgroundGrid(const TView& view, bool glow, uint32_t argb) {
  const int shiftX = static_cast<int>(std::fmod(view.x, kGridStep));
  const int shiftY = static_cast<int>(std::fmod(view.y, kGridStep));
  for (int k = 0; float(k) * kGridStep <= float(ScreenW) + kGridStep; ++k) {
    const float x = float(k) * kGridStep + float(shiftX);
    Segment(x, 0, x, float(ScreenH), glow, argb, kGridGlowWidth);
  }
  for (int k = 0; float(k) * kGridStep <= float(ScreenH) + kGridStep; ++k) {
    const float y = float(k) * kGridStep + float(shiftY);
    Segment(0, y, float(ScreenW), y, glow, argb, kGridGlowWidth);
  }
}

// Each point joins the one before it, except that ids 0 and 1 start a new wall.
void DrawWalls(const TTrack& track, const TView& view, bool glow, uint32_t argb) {
  const TWayPointList& walls = track.l_wallpoints;
  for (size_t i = 1; i < walls.size(); ++i) {
    if (walls[i].id <= 1) continue;
    const TWayPoint& from = walls[i];
    const TWayPoint& to = walls[i - 1];
    Segment(float(from.x) * track.scale + view.x, float(from.y) * track.scale + view.y,
            float(to.x) * track.scale + view.x, float(to.y) * track.scale + view.y, glow, argb, kWallGlowWidth);
  }
}

void DrawGridAndWalls(const TTrack& track, const TView& view) {
  const bool glow = DetailLevel == 1;
  if (glow) {
    SetColor(255, 255, 255);
    DrawBackgroundGrid(view, true, ColourTextToArgb(track.s_Colour));
    DrawWalls(track, view, true, ColourTextToArgb(TrackLook.wallColour));
    return;
  }
  SetAlpha(0.5f);
  SetColourText(track.s_Colour);
  DrawBackgroundGrid(view, false, 0);
  SetAlpha(1.0f);
  SetColor(255, 255, 255);
  DrawWalls(track, view, false, 0);
}

void SetTileColour(const TTrack& track, int id) {
  if (id != kPitLaneTile) {
    SetColourText(track.s_Colour);
  } else if (RaceType == 3 || RaceType == 4) {
    SetColor(128, 128, 128);
  } else {
    SetColor(0, 255, 0);
  }
}

// Draws the image centred on (px, py) at the current scale, rotated, then puts its handle back.
void DrawCentred(TImage* image, float px, float py, int rotation) {
  MidHandleImage(image);
  SetRotation(float(rotation));
  DrawImage(image, px, py, 0);
  SetImageHandle(image, 0, 0);
}

void DrawTiles(const TTrack& track, const TView& view) {
  SetDrawState(255, 255, 255, 1.0f, kBlendLight);
  SetScale(track.scale, track.scale);
  if (!track.tileset) return;
  const TTileArray& tiles = track.tileset->tracktile_array;
  for (int x = 0; x < kTrackW; ++x) {
    for (int y = 0; y < kTrackH; ++y) {
      const TTileData& cell = track.tile_level[1][size_t(x)][size_t(y)];
      if (cell.id < 0 || cell.id >= int(tiles.size())) continue;
      TImage* image = tiles[size_t(cell.id)]->img.get();
      const float px = view.x + float(x) * track.tilesize + float(ImageWidth(image)) * track.scale / 2;
      const float py = view.y + float(y) * track.tilesize + float(ImageHeight(image)) * track.scale / 2;
      if (!image || !OnScreen(px, py)) continue;
      SetTileColour(track, cell.id);
      DrawCentred(image, px, py, cell.rotation);
    }
  }
}

// The editor's Ctrl highlight on the objects layer: the 1-based position of the object under
// the mouse, 0 when none is highlighted.
int HighlightedObject(const TTrack& track, const TView& view) {
  if (track.editing != 1 || track.editlevel != kObjectsLayer) return 0;
  if (!track.hooks.keyDown || !track.hooks.keyDown(kKeyLeftControl)) return 0;
  int mx = 0, my = 0;
  if (!TrackLook.mousePosition || !TrackLook.mousePosition(mx, my)) return 0;
  const int closest = track.GetClosestOb(float(mx) - view.x, float(my) - view.y);
  return closest > 0 ? closest : 0;
}

void DrawObjects(const TTrack& track, const TView& view) {
  SetDrawState(255, 255, 255, 1.0f, kBlendLight);
  if (!track.tileset) return;
  const TTileArray& tiles = track.tileset->objecttile_array;
  const int highlighted = HighlightedObject(track, view);
  for (size_t i = 0; i < track.l_objects.size(); ++i) {
    const TTileData& object = track.l_objects[i];
    if (object.id < 0 || object.id >= int(tiles.size())) continue;
    TImage* image = tiles[size_t(object.id)]->img.get();
    const float px = view.x + float(object.parentx) * track.scale;
    const float py = view.y + float(object.parenty) * track.scale;
    if (!image || !OnScreen(px, py)) continue;
    if (int(i) + 1 == highlighted) {
      SetColor(255, 90, 90);
    } else {
      SetColor(255, 255, 255);
    }
    SetAlpha(object.life > GameTime ? 0.5f : 1.0f);
    DrawCentred(image, px, py, object.rotation);
  }
  SetRotation(0);
  SetAlpha(1.0f);
}

// In editor units (scale 1): the ends' squares, the id and the line between the ends.
void DrawCheckpointLines(const TTrack& track, const TView& view) {
  if (track.editlevel != kCheckPointsLayer && !DebugMode) return;
  SetDrawState(255, 255, 255, 1.0f, kBlendLight);
  SetScale(1, 1);
  int passed = std::numeric_limits<int>::min();
  const bool racing = track.mode == 2 && TrackLook.playerLastWayLine && TrackLook.playerLastWayLine(passed);
  for (const TWayLine& line : track.l_waylines) {
    if (racing && passed >= line.id) {
      SetColor(0, 0, 0);
    } else {
      SetColor(255, 0, 255);
    }
    const float x1 = view.x + float(line.x1), y1 = view.y + float(line.y1);
    DrawRect(x1 - 2, y1 - 2, 4, 4);
    DrawTextAligned(std::to_string(line.id), x1 + 4, y1 - 2, 0, 0, 1, 1);
    if (line.x2 <= -1) continue;
    const float x2 = view.x + float(line.x2), y2 = view.y + float(line.y2);
    DrawRect(x2 - 2, y2 - 2, 4, 4);
    DrawLine(x1, y1, x2, y2);
  }
}

}  // namespace

void TTrack::Draw(float tween) {
  SetDrawState(255, 255, 255, 1.0f, kBlendLight);
  SetScale(1, 1);
  const TView view{CameraX * tween + prevcamerax * (1 - tween), CameraY * tween + prevcameray * (1 - tween)};
  DrawGridAndWalls(*this, view);
  DrawTiles(*this, view);
  DrawObjects(*this, view);
  DrawCheckpointLines(*this, view);
}

int TTrack::GetClosestOb(float x, float y) const {
  int closest = -1;
  double best = 0;
  for (size_t i = 0; i < l_objects.size(); ++i) {
    const double distance = std::hypot(l_objects[i].parentx - double(x), l_objects[i].parenty - double(y));
    if (closest < 0 || distance < best) {
      closest = int(i) + 1;
      best = distance;
    }
  }
  return closest;
}
