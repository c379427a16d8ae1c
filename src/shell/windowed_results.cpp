#include "shell/windowed_results.h"

#include <vector>

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/render_driver.h"
#include "race/race_control.h"
#include "shell/draw_helpers.h"
#include "shell/game_state.h"
#include "track/track.h"

namespace {

constexpr int kRefreshMs = 500;
constexpr float kRowHeight = 22;
constexpr float kTextScale = 0.5f;
constexpr float kWidth = 520;

struct TStandIn {
  std::vector<RaceResultRow> rows;
  int refreshed = -1;
};

TStandIn& StandIn() {
  static TStandIn standIn;
  return standIn;
}

void DrawRow(const RaceResultRow& row, float left, float y) {
  const float alpha = 1;
  if (row.human) SetColor(255, 220, 0);
  DrawTextAligned(std::to_string(row.place), left + 30, y, 2, 0, kTextScale, alpha);
  DrawTextAligned(row.name, left + 50, y, 0, 0, kTextScale, alpha);
  DrawTextAligned(row.time, left + 300, y, 0, 0, kTextScale, alpha);
  DrawTextAligned(std::to_string(row.laps), left + kWidth - 20, y, 2, 0, kTextScale, alpha);
  SetColor(255, 255, 255);
}

}  // namespace

void DrawResultsStandIn() {
  TStandIn& standIn = StandIn();
  if (standIn.refreshed < 0 || GameTime > standIn.refreshed + kRefreshMs) {
    standIn.rows = RaceResultRows();
    standIn.refreshed = GameTime;
  }
  const float height = kRowHeight * float(standIn.rows.size() + 2);
  const float left = float(ScreenW / 2) - kWidth / 2;
  const float top = float(ScreenH / 2) - height / 2;
  SetDrawState(0, 0, 0, 0.7f, kBlendAlpha);
  DrawRect(left, top, kWidth, height);
  SetDrawState(255, 255, 255, 1, kBlendAlpha);
  DrawTextAligned(Track ? Track->name : std::string(), float(ScreenW / 2), top + 6, 1, 0, kTextScale, 1);
  float y = top + 6 + kRowHeight * 1.5f;
  for (const RaceResultRow& row : standIn.rows) {
    DrawRow(row, left, y);
    y += kRowHeight;
  }
}

void ClearResultsStandIn() { StandIn() = TStandIn{}; }
