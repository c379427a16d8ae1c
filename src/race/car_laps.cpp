// Laps and positions: checkpoint lines crossed in order, lap times and records, the
// running order, and the grid.
#include <cmath>
#include <string>

#include "race/car.h"
#include "race/geometry.h"
#include "race/race_control.h"
#include "race/race_hooks.h"
#include "race/screen_message.h"
#include "frontend/locale.h"
#include "shell/announcements.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "track/tile_set.h"
#include "track/track.h"

namespace {

bool Crosses(const TCar& ship, const TWayLine& line) {
  if (!SegmentBoxesMeet(ship.oldx, ship.oldy, ship.x, ship.y, static_cast<float>(line.x1), static_cast<float>(line.y1),
                        static_cast<float>(line.x2), static_cast<float>(line.y2))) {
    return false;
  }
  return TInterceptPoint::Intersect(ship.oldx, ship.oldy, ship.x, ship.y, static_cast<float>(line.x1),
                                    static_cast<float>(line.y1), static_cast<float>(line.x2),
                                    static_cast<float>(line.y2))
             .intercept == 1;
}

int LivingShips() {
  int n = 0;
  for (const TCar* s : TCar::list()) n += s->damage < 100 ? 1 : 0;
  return n;
}

// The grid tile holding places first..first+3, or -1.
int GridTileFirstPlace(const std::string& tileName) {
  if (tileName == "Track_10.png") return 1;
  if (tileName == "Track_11.png") return 5;
  if (tileName == "Track_12.png") return 9;
  return -1;
}

}  // namespace

void TCar::CheckWayLines() {
  if (!Track) return;
  for (const TWayLine& line : Track->l_waylines) {
    if (!Crosses(*this, line)) continue;
    if (line.id == lastwayline + 1) {
      lastwayline = line.id;
      if (line.id == 1) {
        lapstarttime = GameTime;
        lapscomplete = 0;
      }
    } else if (line.id == 1) {
      if (lastwayline == static_cast<int>(Track->l_waylines.size())) {
        lastwayline = 1;
        if (lapscomplete < Track->totallaps) FinishLap();
      }
      if (RaceType != 3 && IsHuman() && damagetaken == 0) CheckAchievement(2);
      damagetaken = 0;
      if (lapscomplete == Track->totallaps && racefinishtime == 0) {
        racefinishtime = GameTime - Track->racestarttime;
        Log(name + ": " + std::to_string(racefinishtime));
        if (IsHuman() && shotsfired == 0) CheckAchievement(17);
      }
      lapstarttime = GameTime;
    }
  }
}

void TCar::FinishLap() {
  lapscomplete += 1;
  GetNewRacingLine();
  lastlaptime = GameTime - lapstarttime;
  l_laptimes.push_back(std::to_string(lastlaptime));
  UpdateRaceInfoTable();
  if (lastlaptime < bestlaptime || bestlaptime == 0) {
    bestlaptime = lastlaptime;
    if (bestlaptime < Track->laprecord || Track->laprecord == 0) {
      Track->laprecord = bestlaptime;
      Track->lapholder = name;
      QueueAnnouncement(VoiceNewRecord.get());
    }
  }
  if (RaceType == 3) {
    const int n = LivingShips();
    if (position == n - 1) {
      for (TCar* s : list()) {
        if (s->position == n) s->AddDamage(100, 1);
      }
    }
    if (n == 2) Track->totallaps = lapscomplete;
  } else if (RaceType == 4) {
    if (damage < 100) damage = std::max(0.0f, damage - 5);
    if (LivingShips() == 1) Track->totallaps = lapscomplete;
  }
  if (lapscomplete == Track->totallaps - 1 && IsHuman()) {
    QueueAnnouncement(VoiceFinalLap.get());
    TScreenMessage::Create(ScreenW / 2, ScreenH - 150, TLocale::getText("Final Lap"), 1500, 1.0f);
  }
}

void TCar::UpdatePositionsAll() {
  CompareMode = 2;
  SortList();
  int place = 1;
  for (TCar* s : list()) s->position = place++;
}

namespace {

int CompareRunning(const TCar& self, const TCar& other) {
  if (other.lapscomplete == -1) return -1;
  if (other.damage >= 100) return -1;
  if (other.lapscomplete < self.lapscomplete) return -1;
  if (other.lapscomplete > self.lapscomplete) return 1;
  const TWayLine* wO = Track->GetWayLine(other.lastwayline);
  const TWayLine* wS = Track->GetWayLine(self.lastwayline);
  if (!wO || !wS) return -1;
  if (wO->id < wS->id) return -1;
  if (wO->id > wS->id) return 1;
  const TWayPointList& line = Track->l_waypoints[self.myracingline];
  const TWayPoint* pO = other.NearestOnLine(self.myracingline);
  const TWayPoint* pS = self.NearestOnLine(self.myracingline);
  // No points on the line: nothing more to tell them apart by.
  if (!pO || !pS) return -1;
  if (pO->id == 1 && other.lastwayline > 1) return 1;
  if (pS->id == 1 && self.lastwayline > 1) return -1;
  if (pO->id < pS->id) return -1;
  if (pO->id > pS->id) return 1;
  const TWayPoint* nO = TTrack::GetWayPoint(pO->id + 1, line);
  const TWayPoint* nS = TTrack::GetWayPoint(pS->id + 1, line);
  const float dO = Distance(other.x, other.y, static_cast<float>(nO->x), static_cast<float>(nO->y));
  const float dS = Distance(self.x, self.y, static_cast<float>(nS->x), static_cast<float>(nS->y));
  return dO <= dS ? 1 : -1;
}

long long GridKey(const TCar& ship) {
  return ship.racefinishtime > 0 ? ship.racefinishtime : static_cast<long long>(ship.position) + 999999999LL;
}

int CompareGrid(const TCar& self, const TCar& other) {
  const long long tO = GridKey(other), tS = GridKey(self);
  if (tO < tS) return 1;
  if (tO > tS) return -1;
  return self.randno < other.randno ? 1 : -1;
}

}  // namespace

int TCar::Compare(const TCar& other) const {
  switch (CompareMode) {
    case 1:
      return CompareGrid(*this, other);
    case 2:
      return Track ? CompareRunning(*this, other) : 0;
    case 3:
      return pts < other.pts ? 1 : -1;
    default:
      return 0;
  }
}

void TCar::ResetStartingPositions() {
  Log("ResetStartingPositions");
  if (!Track || !Track->tileset) return;
  CompareMode = 1;
  SortList();
  for (TCar* s : list()) s->racefinishtime = 0;

  bool anyLine = false;
  for (const auto& line : Track->l_waypoints) anyLine = anyLine || !line.empty();
  if (anyLine) {
    int place = 1;
    for (TCar* s : list()) {
      s->GetNewRacingLine();
      s->position = place++;
    }
  }

  static constexpr int kOffsets[4][2] = {{208, 81}, {144, 177}, {80, 81}, {16, 177}};
  const auto& tiles = Track->tileset->tracktile_array;
  const int size = static_cast<int>(Track->mastertilesize);
  for (int cx = 0; cx < Track->trackw; ++cx) {
    for (int cy = 0; cy < Track->trackh; ++cy) {
      const TTileData& cell = Track->tile_level[1][cx][cy];
      if (cell.id < 0 || cell.id >= static_cast<int>(tiles.size())) continue;
      const int first = GridTileFirstPlace(tiles[cell.id]->name);
      if (first < 0) continue;
      const int turns = (cell.rotation > 0) + (cell.rotation > 90) + (cell.rotation > 180);
      for (int i = 0; i < 4; ++i) {
        TCar* ship = GetCarByPosition(first + i);
        if (!ship) continue;
        int ox = kOffsets[i][0], oy = kOffsets[i][1];
        for (int turn = 0; turn < turns; ++turn) {
          const int nx = size - oy;
          oy = ox;
          ox = nx;
        }
        ship->x = ship->oldx = static_cast<float>(cx * size + ox);
        ship->y = ship->oldy = static_cast<float>(cy * size + oy);
        ship->direction = static_cast<float>(cell.rotation);
        ship->nextwp = nullptr;
      }
    }
  }
}
