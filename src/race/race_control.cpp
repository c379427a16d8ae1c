#include "race/race_control.h"

#include "frontend/gui/gui.h"
#include "frontend/gui/label.h"
#include "frontend/gui/table.h"
#include "frontend/locale.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/input.h"
#include "platform/render_driver.h"
#include "progress/game_db.h"
#include "race/car.h"
#include "race/format_time.h"
#include "race/particle.h"
#include "race/race_hooks.h"
#include "race/screen_message.h"
#include "race/weapon.h"
#include "shell/announcements.h"
#include "shell/controls.h"
#include "shell/draw_helpers.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "shell/random.h"
#include "track/track.h"

int CountdownStep = 3;
float BannerFade = 20;

namespace {

constexpr int kPointsByPlace[8] = {10, 8, 6, 5, 4, 3, 2, 1};

int TournamentRaceNumber() { return RaceHooks.tournamentRaceNumber ? RaceHooks.tournamentRaceNumber() : 1; }

std::string RaceTitle() {
  if (RaceType != 2) return Track->name;
  return TLocale::getText("Race") + " " + std::to_string(TournamentRaceNumber()) + " : " + Track->name;
}

void SortForResults() {
  TCar::CompareMode = 1;
  TCar::SortList();
}

// The finishing order, with each ship's position its place in it.
void PlaceInResultOrder() {
  SortForResults();
  int place = 1;
  for (TCar* ship : TCar::list()) ship->position = place++;
}

void WriteLapRecord() {
  if (!GameDb) return;
  const std::string trackName = SqlText(Track->name);
  GameDb->Query("BEGIN;");
  GameDb->Query("DELETE FROM records WHERE trackname = '" + trackName + "'");
  GameDb->Query("INSERT INTO records VALUES('" + trackName + "', " + std::to_string(Track->laprecord) + ", '" +
                SqlText(Track->lapholder) + "')");
  GameDb->Query("COMMIT;");
}

void SettleLapRecord() {
  const TCar* player = TCar::SelectPlayerCar();
  const int stored = DbGetIntWhere("laprecord", "records", "trackname", Track->name);
  if (stored != Track->laprecord && player && Track->lapholder == player->name &&
      RaceHooks.storeLapRecord) {
    RaceHooks.storeLapRecord();
  }
  if (Track->laprecord > 0) WriteLapRecord();
}

void MessageBox(const std::string& key) {
  if (RaceHooks.messageBox) RaceHooks.messageBox(key);
}

void ShowRaceTypeResult() {
  const TCar* player = TCar::SelectPlayerCar();
  if (!player) return;
  switch (RaceType) {
    case 1:
    case 2:
      if (player->position == 1) CheckAchievement(1);
      break;
    case 3:
      if (player->position == 1) {
        MessageBox("CMESSAGE_ELIMINATOR_WIN");
        CheckAchievement(4);
      } else {
        MessageBox("CMESSAGE_ELIMINATOR_LOSE");
      }
      break;
    case 4:
      if (player->position == 1 && player->damage < 100) {
        MessageBox("CMESSAGE_SURVIVAL_WIN");
        CheckAchievement(3);
      } else {
        MessageBox("CMESSAGE_SURVIVAL_LOSE");
      }
      break;
    default:
      break;
  }
}

void StartMessage(const std::string& text, TSound* voice) {
  TScreenMessage::Create(ScreenW / 2, ScreenH / 3, text, 750, 2.0f);
  QueueAnnouncement(voice);
}

void DrawStartBanner() {
  if (GameTime >= Track->gridstarttime + 6000) return;
  SetDrawState(0, 192, 0, BannerFade > 1 ? 0.5f : BannerFade * 0.5f, kBlendAlpha);
  DrawRect(0, static_cast<float>(ScreenH - 130), static_cast<float>(ScreenW), 100);
  SetColor(255, 255, 255);
  const float centre = static_cast<float>(ScreenW / 2);
  if (RaceType == 2) {
    DrawTextAligned(TLocale::getText("Race") + " " + std::to_string(TournamentRaceNumber()), centre,
                    static_cast<float>(ScreenH - 110), 1, 0, 0.4f, BannerFade);
  }
  DrawTextAligned(Track->name, centre, static_cast<float>(ScreenH - 80), 1, 0, 1.0f, BannerFade);
  const std::string music = RaceHooks.musicTitle ? RaceHooks.musicTitle() : "";
  DrawTextAligned("Music : " + music, centre, static_cast<float>(ScreenH - 50), 1, 0, 0.4f, BannerFade);
  BannerFade -= 0.01f * StepFactor();
}

}  // namespace

int GetPositionPoints(int place) { return place >= 1 && place <= 8 ? kPointsByPlace[place - 1] : 0; }

std::vector<RaceResultRow> RaceResultRows() {
  PlaceInResultOrder();
  std::vector<RaceResultRow> rows;
  for (TCar* ship : TCar::list()) {
    RaceResultRow row;
    const int place = ship->position;
    row.place = place;
    row.name = ship->name;
    if (ship->racefinishtime > 0) {
      row.time = FormatTime(ship->racefinishtime, 0);
      row.points = GetPositionPoints(place);
    } else {
      row.time = TLocale::getText(ship->damage < 100 ? "Racing" : "Eliminated");
    }
    row.bestlap = FormatTime(ship->bestlaptime, 0);
    row.laps = ship->lapscomplete < 0 ? 0 : ship->lapscomplete;
    row.kills = ship->kills;
    row.shots = ship->shotsfired;
    row.human = ship->IsHuman() ? 1 : 0;
    rows.push_back(std::move(row));
  }
  return rows;
}

void UpdateRaceInfoTable() {
  kui_ShowScreen("screen_raceinfo");
  if (auto* title = dynamic_cast<kui_TLabel*>(kui_FindGadget("pan_raceinfo/lbl_title"))) title->SetText(RaceTitle());
  auto* table = dynamic_cast<kui_TTable*>(kui_FindGadget("pan_raceinfo/tbl_info"));
  if (!table) {
    // No interface (a headless race): the order and the places still follow the table's.
    PlaceInResultOrder();
    return;
  }
  const std::vector<RaceResultRow> rows = RaceResultRows();
  table->ClearItems();
  table->SetImageWidth(1, 32);
  int playerRow = -1;
  for (const RaceResultRow& row : rows) {
    const std::string last = RaceType == 2 ? std::to_string(row.points) : std::to_string(row.laps);
    table->AddItem({std::to_string(row.place), " " + row.name, row.time, last});
    if (row.human) playerRow = row.place - 1;
  }
  int index = 0;
  for (TCar* ship : TCar::list()) table->SetImage(index++, 1, ship->img2.get());
  if (playerRow >= 0) table->SelectItem(playerRow);
}

void FinishRace() {
  Log("Finish Race");
  TCar::UpdatePositionsAll();
  SortForResults();
  int t = 0;
  for (TCar* ship : TCar::list()) {
    Log(ship->name + " " + std::to_string(ship->racefinishtime));
    if (ship->controller == 0 && ship->damage < 100 && ship->racefinishtime <= 0) {
      ship->racefinishtime = t + Rand(500, 2500);
    }
    t = ship->racefinishtime;
  }
  int place = 1;
  for (TCar* ship : TCar::list()) {
    Log(ship->name + ":+" + std::to_string(GetPositionPoints(place)));
    if (ship->racefinishtime > 0) ship->pts += GetPositionPoints(place);
    ++place;
  }
}

void QuitRace() {
  FinishRace();
  SettleLapRecord();
  ShowRaceTypeResult();
  Track->mode = 0;
  SoundQueue.clear();
  TCar::ResetChannelsAll();
  TScreenMessage::ClearAll();
  TWeapon::ClearAll();
  if (RaceHooks.updateAchievements) RaceHooks.updateAchievements();
}

void UpdateStartSequence() {
  if (!Track || Track->mode != 2 || Track->racestatus != 0) return;
  if (TCar* player = TCar::SelectPlayerCar()) player->shieldalpha = 1;
  if (Track->gridstarttime == 0) Track->gridstarttime = GameTime;
  const int since = GameTime - Track->gridstarttime;
  if (since > 3000 && CountdownStep == 3) {
    StartMessage("3", VoiceCount3.get());
    CountdownStep = 2;
  }
  if (since > 4000 && CountdownStep == 2) {
    StartMessage("2", VoiceCount2.get());
    CountdownStep = 1;
  }
  if (since > 5000 && CountdownStep == 1) {
    StartMessage("1", VoiceCount1.get());
    CountdownStep = 0;
  }
  const bool debugStart = DebugMode && KeyHit(49);
  if ((since > 6000 && CountdownStep == 0) || debugStart) {
    StartMessage(TLocale::getText("GO!"), VoiceGo.get());
    CountdownStep = 3;
    BannerFade = 10;
    Track->racestatus = 1;
    Track->racestarttime = GameTime;
    if (RaceHooks.startSignal) RaceHooks.startSignal();
  }
}

void DrawInfo() {
  if (!Track) return;
  if (TCar* player = TCar::SelectPlayerCar()) player->DrawRaceInfo();
  if (Track->mode == 2 && Track->racestatus == 0) {
    UpdateStartSequence();
    DrawStartBanner();
  }
  SetDrawState(255, 255, 255, 1.0f, kBlendLight);
}

void InstallRaceTrackHooks() {
  if (!Track) return;
  Track->hooks.resetCars = [] {
    TCar::ResetCarsAll(0);
    TCar::ResetStartingPositions();
  };
  Track->hooks.clearParticles = [] { TParticle::ClearAll(); };
  Track->hooks.playerShipPosition = [](float& x, float& y) {
    const TCar* player = TCar::SelectHumanCar();
    if (!player) return false;
    x = player->x;
    y = player->y;
    return true;
  };
  Track->hooks.controlDown = [](int control) { return ControlDown(control) != 0; };
  Track->hooks.keyDown = [](int key) { return KeyDown(key) != 0; };
}
