// Every built-in track is raced: a headless three-lap normal race at each difficulty in
// which every computer ship still in the race finishes. A ship stuck against a wall or lost
// off the road never finishes: the race then runs to its time limit and prints that ship as
// still "Racing". Ships destroyed in the fighting ("Eliminated") are the race's business.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_game.h"

namespace {

const char* const kTracks[] = {"Test_Track", "Lazcon", "Ruze",  "Vozeru",   "Babstar",  "Traztan", "Dreksu",
                               "Mexxin",     "Zekkeron", "Kefla", "Plazmina", "Sattiros", "Qatt"};
const char* const kDifficulties[] = {"easy", "normal", "hard"};

struct Race {
  std::string track, difficulty;
  RunResult run;
};

// The rows of the printed results table: the lines after its heading that start with a place.
std::vector<std::string> ResultRows(const std::string& output) {
  std::vector<std::string> rows;
  const size_t heading = output.find("Place");
  if (heading == std::string::npos) return rows;
  std::istringstream lines(output.substr(heading));
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    if (!line.empty() && line[0] >= '1' && line[0] <= '9') rows.push_back(line);
  }
  return rows;
}

bool StillRacing(const std::string& row) { return row.find("Racing") != std::string::npos; }

int Eliminated(const std::vector<std::string>& rows) {
  int count = 0;
  for (const std::string& row : rows) count += row.find("Eliminated") != std::string::npos ? 1 : 0;
  return count;
}

TEST(BuiltInRaces, EveryShipLeftInTheRaceFinishesThreeLapsOnEveryTrackAtEveryDifficulty) {
  const auto started = std::chrono::steady_clock::now();
  std::vector<Race> races;
  for (const char* track : kTracks) {
    for (const char* difficulty : kDifficulties) races.push_back({track, difficulty, {}});
  }
  // Two races at a time: each is one busy process.
  for (size_t first = 0; first < races.size(); first += 2) {
    std::vector<std::future<RunResult>> running;
    for (size_t i = first; i < std::min(first + 2, races.size()); ++i) {
      running.push_back(std::async(std::launch::async, [&race = races[i]] {
        TempFolder home;
        return RunGame("--race " + race.track + " --headless --laps 3 --difficulty " + race.difficulty + " --seed 1", home);
      }));
    }
    for (size_t i = 0; i < running.size(); ++i) races[first + i].run = running[i].get();
  }
  for (const Race& race : races) {
    SCOPED_TRACE(race.track + " on " + race.difficulty);
    ASSERT_EQ(race.run.status, 0) << race.run.output;
    const std::vector<std::string> rows = ResultRows(race.run.output);
    EXPECT_EQ(rows.size(), 12u) << race.run.output;
    EXPECT_EQ(race.run.output.find("called off"), std::string::npos) << race.run.output;
    for (const std::string& row : rows) EXPECT_FALSE(StillRacing(row)) << "never came home: " << row;
    EXPECT_LT(Eliminated(rows), 12) << "nobody finished:\n" << race.run.output;
  }
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started);
  EXPECT_LT(seconds.count(), 60) << "all races took " << seconds.count() << " s";
}

}  // namespace
