#include "shell/render_race.h"

#include "frontend/locale.h"
#include "platform/clock.h"
#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/render_driver.h"
#include "race/car.h"
#include "race/particle.h"
#include "race/race_control.h"
#include "race/screen_message.h"
#include "race/star_field.h"
#include "race/weapon.h"
#include "shell/draw_helpers.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "shell/random.h"
#include "shell/screenshot_after.h"
#include "track/track.h"

namespace {

constexpr int kEditing = 1;
constexpr int kRacing = 2;
constexpr int kPaused = 3;
constexpr int kEditorMenu = 4;
constexpr int kKeyF5 = 116;
// The race background scrolls slower than the track and the other way.
constexpr double kStarZoom = -0.01;

std::function<void()>& RaceInterface() {
  static std::function<void()> drawInterface;
  return drawInterface;
}

// The interface layer over the frozen race or the editor.
void DrawInterface() {
  SetDrawState(255, 255, 255, 1, kBlendAlpha);
  SetScale(1, 1);
  if (RaceInterface()) {
    RaceInterface()();
  } else if (Track->mode == kPaused) {
    DrawTextAligned(TLocale::getText("Paused"), float(ScreenW / 2), float(ScreenH / 2), 1, 1, 1, 1);
  }
  PollSystem();
}

void DrawRacing(float tween) {
  if (DetailLevel != 0 && Stars) Stars->draw(CameraX, CameraY, kStarZoom);
  Track->Draw(tween);
  TParticle::DrawParticlesAll(tween);
  TCar::DrawAll(tween);
  TWeapon::DrawAll(tween);
  Track->DrawMiniMap(0);
  DrawInfo();
}

void DrawByMode(float tween) {
  switch (Track->mode) {
    case kEditing:
      Track->Draw(tween);
      Track->DrawMiniMap(0);
      break;
    case kEditorMenu:
      Track->Draw(tween);
      DrawInterface();
      break;
    case kRacing:
      DrawRacing(tween);
      break;
    case kPaused:
      Track->Draw(1);
      TCar::DrawAll(1);
      Track->DrawMiniMap(0);
      DrawInfo();
      DrawInterface();
      break;
    default:
      break;
  }
}

void DrawDebugOverlay() {
  if (!DebugMode) return;
  SetDrawState(255, 255, 255, 1, kBlendLight);
  SetScale(1, 1);
  DrawTextAligned("Fps: " + std::to_string(Fps), 50, float(ScreenH - 30), 0, 0, 1, 1);
}

// Taken from the finished back buffer before it is shown: after the flip its contents are gone.
void SaveScreenshotOnF5() {
  if (!KeyHit(kKeyF5)) return;
  const std::string path = ScreenshotPath(Rand(1, 999));
  Log((SaveScreenshot(path) ? "Screenshot saved: " : "Screenshot could not be saved: ") + path);
}

}  // namespace

void SetRaceInterface(std::function<void()> drawInterface) { RaceInterface() = std::move(drawInterface); }

std::string ScreenshotPath(int number) { return SaveFolder + "screenshot_" + std::to_string(number) + ".png"; }

void CountFrame() {
  const int now = MilliSecs();
  if (now > FpsSecondStart + 1000) {
    FpsSecondStart = now;
    Fps = FrameCount;
    FrameCount = 0;
  }
}

void RenderRace(float tween) {
  CountFrame();
  Cls();
  SetDrawState(255, 255, 255, 1, kBlendLight);
  if (Track) DrawByMode(tween);
  TScreenMessage::DrawAll();
  DrawDebugOverlay();
  FrameCount += 1;
  SaveScreenshotOnF5();
  Flip(1);
}
