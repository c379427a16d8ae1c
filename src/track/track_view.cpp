// The view of the track: the minimap extent, the zoom and the camera.
#include <algorithm>
#include <cmath>

#include "shell/game_state.h"
#include "shell/log.h"
#include "track/track.h"

namespace {

constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40, kKeyF1 = 112;
constexpr float kGridZoom = 0.2f;
constexpr float kBombZoom = 0.4f;
constexpr int kScrollPixels = 16;

bool Held(const std::function<bool(int)>& hook, int code) { return hook && hook(code); }

// Moves value towards target by rate when it is more than margin away.
void Approach(float& value, float target, float margin, float rate) {
  if (value < target - margin) {
    value += rate;
  } else if (value > target + margin) {
    value -= rate;
  }
}

}  // namespace

void TTrack::UpdateMapExtent() {
  int minx = kTrackW, maxx = -1, miny = kTrackH, maxy = -1;
  for (int x = 0; x < kTrackW; ++x) {
    for (int y = 0; y < kTrackH; ++y) {
      if (!tile_level[1][static_cast<size_t>(x)][static_cast<size_t>(y)].IsParent()) continue;
      minx = std::min(minx, x);
      maxx = std::max(maxx, x);
      miny = std::min(miny, y);
      maxy = std::max(maxy, y);
    }
  }
  // A track without tiles is mapped as if its one cell were the top-left one.
  if (maxx < 0) minx = maxx = miny = maxy = 0;
  mapoffsetx = 10 - minx * kMiniCell;
  mapoffsety = 10 - miny * kMiniCell;
  actualtrackw = (maxx - minx) * kMiniCell;
  actualtrackh = (maxy - miny) * kMiniCell;
  Log("actualtrackw = " + std::to_string(actualtrackw));
  Log("actualtrackh = " + std::to_string(actualtrackh));
  CameraX = -minx * mastertilesize;
  CameraY = -miny * mastertilesize;
}

float TTrack::TargetZoom() const {
  switch (ViewSize) {
    case 1: return 1.5f;
    case 2: return 1.25f;
    case 3: return 1.0f;
    case 4: return 0.8f;
    case 5: return 0.6f;
    default: return 1.0f;
  }
}

void TTrack::UpdateZoom(float step) {
  if (mode == 1 || mode == 4) {
    scale = 1.0f;
    return;
  }
  float target = TargetZoom();
  if (mode == 2 && racestatus == 0) {
    const int sinceGrid = GameTime - gridstarttime;
    if (sinceGrid < 500) {
      target = kGridZoom;
      scale = kGridZoom;
    } else if (sinceGrid < 2000) {
      target = kGridZoom;
    }
    Approach(scale, target, 0.005f, 0.005f * step);
  } else {
    if (GameTime < BombZoomEnd && BombZoom) target = kBombZoom;
    Approach(scale, target, 0.02f, 0.02f * step);
  }
  if (DebugMode && Held(hooks.keyDown, kKeyF1)) scale = kGridZoom;
}

void TTrack::UpdateCamera() {
  prevcamerax = CameraX;
  prevcameray = CameraY;
  if (mode == 1) {
    if (Held(hooks.keyDown, kKeyLeft) || Held(hooks.controlDown, 0)) CameraX += kScrollPixels;
    if (Held(hooks.keyDown, kKeyRight) || Held(hooks.controlDown, 1)) CameraX -= kScrollPixels;
    if (Held(hooks.keyDown, kKeyUp) || Held(hooks.controlDown, 2)) CameraY += kScrollPixels;
    if (Held(hooks.keyDown, kKeyDown) || Held(hooks.controlDown, 3)) CameraY -= kScrollPixels;
  } else if (mode == 2 || mode == 3) {
    float x = 0.0f, y = 0.0f;
    if (!hooks.playerShipPosition || !hooks.playerShipPosition(x, y)) x = y = 0.0f;
    CameraX = static_cast<float>(ScreenW / 2) - x * scale;
    CameraY = static_cast<float>(ScreenH / 2) - y * scale;
  }
  if (editing == 1) {
    CameraX = std::max(std::min(CameraX, 0.0f), static_cast<float>(ScreenW) - static_cast<float>(trackw) * tilesize);
    CameraY = std::max(std::min(CameraY, 0.0f), static_cast<float>(ScreenH) - static_cast<float>(trackh) * tilesize);
  }
  tilesize = mastertilesize * scale;
}

void TTrack::UpdateTrackScale() {
  UpdateZoom(StepFactor());
  UpdateCamera();
}
