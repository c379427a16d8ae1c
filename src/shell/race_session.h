// One race from the command line or from the menus: choosing the ships, loading the track
// with its grid, stepping the simulation, and the results as a table.
#pragma once

#include <string>
#include <vector>

#include "race/race_control.h"

struct CommandLineOptions;

struct RaceOptions {
  std::string track;
  // Team id of the player's ship; 0 lets the computer drive all twelve.
  int ship = 0;
  // 1 normal, 3 eliminator, 4 survival.
  int type = 1;
  // 1 easy, 2 normal, 3 hard.
  int difficulty = 2;
  int laps = 3;
};

// Puts the options into the game state, resets the ships, makes the chosen one the
// player's, and loads the track with its grid (Track->mode 2, racestatus 0). False, with
// nothing changed on the ships' side, when the track cannot be loaded.
bool PrepareRace(const RaceOptions& options);
// One simulation step of the race engine while racing: the track, then the ships, the
// weapons and the particles.
void StepRace();
// True once every ship's race is over, or the race ended by elimination.
bool AllShipsDone();


// One line a ship, fixed columns, for the standard output.
std::string FormatResults(const std::vector<RaceResultRow>& rows);

// Shared ships for the run: the twelve of the team table, made once.
void CreateShipsOnce();

// --race with --headless: the twelve computer ships race on the virtual clock and the
// results are printed. 0 when the race was run, 2 for a track that does not load.
int RunHeadlessRace(const CommandLineOptions& options);
// The longest headless race, in game time: a race that has not ended by then (ships stuck,
// a survival race nobody loses) is called off and printed as it stands.
inline constexpr int kHeadlessRaceLimitMs = 30 * 60 * 1000;
