// The command-line race: which track, ship, race type, difficulty, laps and window.
#pragma once

#include <string>

struct RaceCommand {
  // Empty when no race was asked for.
  std::string track;
  // Team id 1..12 of the player's ship; 0 lets the computer drive every ship; -1 when not
  // given (a window race then gives the player ship 1, a headless race gives nobody a ship).
  int ship = -1;
  int type = 1;
  int difficulty = 2;
  int laps = 3;
  bool windowed = false;
  // 0 keeps the window size of the settings.
  int width = 0, height = 0;
};

// Each parser takes the option's text and answers an error line, empty when it is fine.
std::string ParseRaceType(const std::string& value, int& type);
std::string ParseDifficulty(const std::string& value, int& difficulty);
std::string ParseLaps(const std::string& value, int& laps);
std::string ParseShip(const std::string& value, int& ship);
std::string ParseWindowSize(const std::string& value, int& width, int& height);
