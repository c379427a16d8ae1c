#include "shell/race_session.h"

#include <cstdio>

#include "race/car.h"
#include "race/particle.h"
#include "race/race_tunables.h"
#include "race/weapon.h"
#include "shell/command_line.h"
#include "shell/game_language.h"
#include "shell/game_language.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "shell/race_engine.h"
#include "track/tile_set.h"
#include "track/track.h"

namespace {

constexpr int kShips = 12;

void EnsureTrack() {
  if (!Track) Track = TTrack::Create();
  if (!Track->tileset) Track->tileset = TTileSet::Create();
  InstallRaceTrackHooks();
}

// The headless pass: no drawing, but the start sequence still runs once a pass as it does
// once a frame on screen, then the virtual clock moves on by one step.
class HeadlessRaceClient : public HeadlessRaceEngineClient {
 public:
  explicit HeadlessRaceClient(int limitTime) : limitTime_(limitTime) {}
  void Step() override { StepRace(); }
  int ProcessEvents() override { return (AllShipsDone() || GameTime > limitTime_) ? 1 : 0; }
  void CheckInput() override {}
  void Render(float tween) override {
    UpdateStartSequence();
    HeadlessRaceEngineClient::Render(tween);
  }

 private:
  int limitTime_;
};

}  // namespace

void CreateShipsOnce() {
  if (!TCar::list().empty()) return;
  LoadRaceTunables();
  for (int team = 1; team <= kShips; ++team) TCar::Create(0, team);
}

bool PrepareRace(const RaceOptions& options) {
  RaceType = options.type;
  Difficulty = options.difficulty;
  LapCount = options.laps;
  CreateShipsOnce();
  EnsureTrack();
  TCar::ResetCarsAll(1);
  TCar::SetHumanRacer(options.ship, 0);
  TWeapon::ClearAll();
  CountdownStep = 3;
  BannerFade = 20;
  Log("Race:" + options.track);
  Track->mode = 2;
  Track->racestatus = 0;
  if (!Track->LoadTrack(options.track, 1)) {
    Track->mode = 0;
    return false;
  }
  Track->totallaps = (RaceType == 3 || RaceType == 4) ? 99 : LapCount;
  return true;
}

void StepRace() {
  if (!Track) return;
  Track->UpdateTrackScale();
  if (Track->mode != 2) return;
  TCar::UpdateAll();
  TWeapon::UpdateAll();
  TParticle::UpdateParticlesAll();
}

bool AllShipsDone() {
  if (!Track || Track->racestatus == 0) return false;
  for (const TCar* ship : TCar::list()) {
    if (!ship->RaceIsOver()) return false;
  }
  return true;
}

std::string FormatResults(const std::vector<RaceResultRow>& rows) {
  std::string text;
  char line[160];
  std::snprintf(line, sizeof line, "%-5s %-12s %-10s %-10s %4s %6s %5s %5s\n", "Place", "Ship", "Time", "Best lap",
                "Laps", "Points", "Kills", "Shots");
  text += line;
  for (const RaceResultRow& row : rows) {
    std::snprintf(line, sizeof line, "%-5d %-12s %-10s %-10s %4d %6d %5d %5d\n", row.place, row.name.c_str(),
                  row.time.c_str(), row.bestlap.c_str(), row.laps, row.points, row.kills, row.shots);
    text += line;
  }
  return text;
}

int RunHeadlessRace(const CommandLineOptions& options) {
  // The printed table is for scripts: English unless --lang asks otherwise.
  LoadLanguage(options.lang.empty() ? "en" : options.lang);
  RaceOptions race;
  race.track = options.race.track;
  race.ship = 0;
  race.type = options.race.type;
  race.difficulty = options.race.difficulty;
  race.laps = options.race.laps;
  if (!PrepareRace(race)) {
    std::fprintf(stderr, "quorvex: no track named '%s', built in or in %sTracks/\n", race.track.c_str(),
                 SaveFolder.c_str());
    return 2;
  }
  HeadlessRaceClient client(GameTime + kHeadlessRaceLimitMs);
  RaceEngine(client);
  if (AllShipsDone()) {
    QuitRace();
  } else {
    // No finish times are made up for a race that did not end: the table shows it as it stands.
    std::fprintf(stderr, "quorvex: the race was called off after 30 minutes of game time\n");
    Track->mode = 0;
    TWeapon::ClearAll();
  }
  std::fputs(FormatResults(RaceResultRows()).c_str(), stdout);
  return 0;
}
