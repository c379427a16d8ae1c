// The race as a whole: the start sequence, the results table, the points and the end of a
// race. These act on the one track and on every ship.
#pragma once

#include <string>
#include <vector>

// Start-sequence state: the countdown step (3 again after each start) and the banner fade.
extern int CountdownStep;
extern float BannerFade;

// Points for a finishing place: 10, 8, 6, 5, 4, 3, 2, 1, then 0.
int GetPositionPoints(int place);

struct RaceResultRow {
  int place = 0;
  std::string name;
  // The finish time in the long form, or "Racing" / "Eliminated".
  std::string time;
  std::string bestlap;
  int laps = 0;
  // The points of the place, 0 without a finish time.
  int points = 0;
  int kills = 0;
  int shots = 0;
  int human = 0;
};

// Sorts the ships into finishing order, numbers their positions, and describes each row.
std::vector<RaceResultRow> RaceResultRows();
// Fills the results screen's table and shows it.
void UpdateRaceInfoTable();
// Gives every computer ship still racing an estimated finish time, then awards the points.
void FinishRace();
// Ends a race: points, the lap record, the race type's result, and everything cleared.
void QuitRace();

// The timed half of the start sequence: countdown messages and voices, then the start.
// Runs once per drawn frame (and once per pass in a headless race).
void UpdateStartSequence();
// The race information over the view: the player's HUD, then the start banner.
void DrawInfo();

// The track's hooks that reach the ships: reset and grid on loading, the camera's target,
// particles cleared, and the controls.
void InstallRaceTrackHooks();
