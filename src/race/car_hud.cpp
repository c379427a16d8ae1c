// The player's heads-up display: lap counter, lap time, track record and holder, the held
// weapon, the damage meter and the running order down the right edge; the results table
// takes its place once the player's race is over.
#include <algorithm>
#include <cmath>

#include "frontend/locale.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/render_driver.h"
#include "race/car.h"
#include "race/format_time.h"
#include "race/race_control.h"
#include "race/race_hud.h"
#include "shell/colour.h"
#include "shell/draw_helpers.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/ordinal.h"
#include "track/track.h"

TRaceHud RaceHud;

namespace {

constexpr int kRacing = 2;
constexpr int kEditing = 1;
constexpr int kEliminator = 3;
// Eliminator and survival race to 99 laps: their end comes by elimination.
constexpr int kNoLapLimit = 99;
constexpr int kResultsDelayMs = 2500;
constexpr int kResultsRefreshMs = 500;
constexpr float kOrderScale = 0.75f;
constexpr float kOrderTop = 124;
constexpr float kOrderRow = 25;

void ResetState() { SetDrawState(255, 255, 255, 1, kBlendLight); }

void ColourOf(const std::string& colour) {
  int r = 255, g = 255, b = 255;
  ParseColour(colour, r, g, b);
  SetColor(r, g, b);
}

// Once the player's race has been over for a while the results screen replaces the HUD.
bool DrawResults(const TCar& ship) {
  if (!ship.RaceIsOver() || GameTime <= ship.dietime + kResultsDelayMs) return false;
  if (GameTime > RaceHud.ResultsRefreshTime + kResultsRefreshMs) {
    UpdateRaceInfoTable();
    RaceHud.ResultsRefreshTime = GameTime;
  }
  SetBlend(kBlendAlpha);
  if (RaceHud.drawInterface) RaceHud.drawInterface();
  ResetState();
  return true;
}

void DrawLapTexts(const TCar& ship) {
  const TTrack& track = *Track;
  if (track.mode == kEditing) return;
  if (RaceHud.LapLabel.empty()) RaceHud.LapLabel = TLocale::getText("Lap") + " ";
  const int shown = std::min(ship.lapscomplete, track.totallaps - 1);
  const float left = float(ScreenW - 225);
  RaceHud.LapText = RaceHud.LapLabel + std::to_string(shown + 1) + " / " + std::to_string(track.totallaps);
  if (track.totallaps < kNoLapLimit) DrawTextAligned(RaceHud.LapText, left, 10, 0, 0, 1, 1);
  if (ship.lapstarttime > 0 && track.mode == kRacing && ship.lapscomplete >= 0) {
    RaceHud.LapTimeText = FormatTime(GameTime - ship.lapstarttime, 0);
  }
  DrawTextAligned(RaceHud.LapTimeText, left, 42, 0, 0, 1, 1);
  SetColor(0, 150, 0);
  DrawTextAligned(FormatTime(track.laprecord, 0), left, 74, 0, 0, 1, 1);
  if (track.laprecord > 0) DrawTextAligned(track.lapholder, float(ScreenW - 220), 105, 0, 0, 0.4f, 1);
  SetColor(255, 255, 255);
}

void DrawHeldWeapon(const TCar& ship) {
  ColourOf(ship.colour);
  const float cx = float(ScreenW / 2);
  if (TImage* picture = WeaponPicture(ship.weapon)) DrawImage(picture, cx, 50);
  DrawImage(ImgContainer.get(), cx, 50);
  SetColor(255, 255, 255);
}

void DrawDamageMeter(const TCar& ship) {
  if (RaceType == kEliminator) return;
  SetColor(255, 0, 0);
  DrawImage(ImgDamageMeter.get(), float(ScreenW / 2 - 32), 69);
  const float damage = std::max(0.0f, std::min(ship.damage, 100.0f));
  DrawRect(float(ScreenW / 2 - 25), 82, damage / 2, 6);
  SetColor(255, 255, 255);
}

// orderposy slides one StepFactor a frame towards its row, so overtakes move smoothly.
void SlideTowards(float& y, float target) {
  const float step = StepFactor();
  if (Track->racestatus == 0 || std::abs(target - y) <= step) {
    y = target;
  } else {
    y += y < target ? step : -step;
  }
}

void DrawRunningOrder() {
  SetScale(kOrderScale, kOrderScale);
  SetColor(255, 255, 255);
  const float x = float(ScreenW - 32);
  int row = 0;
  for (TCar* ship : TCar::list()) {
    SlideTowards(ship->orderposy, kOrderTop + kOrderRow * float(row));
    ++row;
    SetAlpha(ship->damage >= 100 ? 0.25f : 1.0f);
    DrawImage(ship->img.get(), x, ship->orderposy);
    if (!ship->IsHuman()) continue;
    DrawImage(ImgShield.get(), x, ship->orderposy);
    DrawTextAligned(Ordinal(row), float(ScreenW - 54), ship->orderposy, 2, 1, 1, 1);
    SetScale(kOrderScale, kOrderScale);
  }
  SetScale(1, 1);
  SetAlpha(1);
}

}  // namespace

void ResetRaceHud() {
  RaceHud.LapTimeText = "--:--:--";
  RaceHud.LapText.clear();
  RaceHud.ResultsRefreshTime = 0;
}

TImage* WeaponPicture(int weapon) {
  switch (weapon) {
    case 1: return ImgPlasma.get();
    case 2: return ImgPlasma3.get();
    case 3: return ImgLaser.get();
    case 4: return ImgLaser3.get();
    case 5: return ImgMine.get();
    case 6: return ImgMissile.get();
    case 7: return ImgTurbo.get();
    case 8: return ImgCannon.get();
    case 9: return ImgWeaponShield.get();
    case 10: return ImgBomb.get();
    default: return nullptr;
  }
}

void TCar::DrawRaceInfo() {
  if (!Track) return;
  ResetState();
  if (DrawResults(*this)) return;
  if (lapscomplete < 0) RaceHud.LapTimeText = "--:--:--";
  DrawLapTexts(*this);
  DrawHeldWeapon(*this);
  DrawDamageMeter(*this);
  DrawRunningOrder();
  ResetState();
}
