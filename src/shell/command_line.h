// The command line: one table of options, which also prints --help.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/race_options.h"

struct CommandLineOptions {
  bool help = false;
  bool version = false;
  bool headless = false;
  bool debugOutput = false;
  std::optional<uint64_t> seed;
  bool drawTest = false;
  // The track --show-track draws; empty when not asked for.
  std::string showTrack;
  // The track --track-info reports on; empty when not asked for.
  std::string trackInfo;
  // The interface screen --show-screen shows and the language --lang picks; empty when not asked for.
  std::string showScreen;
  std::string lang;
  // After this many milliseconds of GameTime, save the back buffer to screenshotFile and end.
  std::optional<int> screenshotAfterMs;
  std::string screenshotFile;
  bool noVsync = false;
  // --race and its companions.
  RaceCommand race;
};

struct CommandLineResult {
  CommandLineOptions options;
  // One line when the command line is wrong; the program then exits with status 2.
  std::string error;
};

CommandLineResult ParseCommandLine(const std::vector<std::string>& args);
// The --help text: usage and one line per option.
std::string CommandLineHelp();
