// What the race asks of the layers above it: achievements, message boxes, the lap-record
// prompt and the tournament's race number. The shell fills these in; an empty hook does
// nothing, so a headless race runs without any of them.
#pragma once

#include <functional>
#include <string>

struct TRaceHooks {
  // An achievement event happened (lap without damage, kills, shield saves, ...).
  std::function<void(int event)> checkAchievement;
  // Writes the reached achievements to the database at the end of a race.
  std::function<void()> updateAchievements;
  // A one-button notice by text key ("CMESSAGE_ELIMINATOR_WIN").
  std::function<void(const std::string& key)> messageBox;
  // The player set the track's lap record: ask for the holder's name and store it.
  std::function<void()> storeLapRecord;
  // The number of the tournament race being run (1 for its first track).
  std::function<int()> tournamentRaceNumber;
  // The start signal was given: the race music plays on.
  std::function<void()> startSignal;
  // The title of the music playing now, for the start banner.
  std::function<std::string()> musicTitle;
};

extern TRaceHooks RaceHooks;

// Calls the achievement hook when it is set.
void CheckAchievement(int event);
