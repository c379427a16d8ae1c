// The headless race runner as a script uses it: whole races on the built-in tracks, each
// type and difficulty, the same output for the same seed, and clear errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_game.h"

namespace {

struct Row {
  int place = 0;
  std::string name, time, best;
  int laps = 0, points = 0, kills = 0, shots = 0;
};

// The table's ship lines, in order; the heading line is checked and skipped.
std::vector<Row> ParseTable(const std::string& output) {
  std::vector<Row> rows;
  std::istringstream in(output);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("Place", 0) == 0 || line.rfind("quorvex:", 0) == 0) continue;
    std::istringstream fields(line);
    Row row;
    if (fields >> row.place >> row.name >> row.time >> row.best >> row.laps >> row.points >> row.kills >> row.shots) {
      rows.push_back(row);
    }
  }
  return rows;
}

bool IsLongTime(const std::string& text) {
  return text.size() == 9 && text[2] == ':' && text[5] == ':';
}

class HeadlessRace : public testing::Test {
 protected:
  RunResult Race(const std::string& args) { return RunGame("--headless " + args, home_); }
  TempFolder home_;
};

struct RaceCase {
  const char* track;
  const char* type;
  const char* difficulty;
};

class HeadlessRaceTable : public HeadlessRace, public testing::WithParamInterface<RaceCase> {};

TEST_P(HeadlessRaceTable, EndsWithACompleteConsistentTable) {
  const RaceCase& c = GetParam();
  const RunResult run = Race(std::string("--race ") + c.track + " --type " + c.type + " --difficulty " +
                             c.difficulty + " --laps 2 --seed 11");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::vector<Row> rows = ParseTable(run.output);
  ASSERT_EQ(rows.size(), 12u) << run.output;
  int finished = 0, points = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].place, static_cast<int>(i) + 1);
    const bool hasTime = IsLongTime(rows[i].time);
    EXPECT_TRUE(hasTime || rows[i].time == "Eliminated" || rows[i].time == "Racing") << rows[i].time;
    // Finished ships come first, each no faster than the one before it.
    if (hasTime) {
      EXPECT_EQ(finished, static_cast<int>(i)) << run.output;
      if (i > 0) {
        EXPECT_GE(rows[i].time, rows[i - 1].time);
      }
      ++finished;
    }
    points += rows[i].points;
  }
  if (std::string(c.type) == "normal") {
    EXPECT_GE(finished, 1) << run.output;
    EXPECT_GT(points, 0);
    EXPECT_EQ(rows[0].laps, 2);
  } else {
    // The last ships may go down together (a wreck's blast): then nobody wins and nobody scores.
    EXPECT_EQ(points > 0, finished > 0) << run.output;
    // Decided by elimination: every other ship was eliminated, or lasted the full 99 laps.
    for (size_t i = 1; i < rows.size(); ++i) {
      EXPECT_TRUE(rows[i].time == "Eliminated" || rows[i].laps == 99) << run.output;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    TypesAndDifficulties, HeadlessRaceTable,
    testing::Values(RaceCase{"Ruze", "normal", "easy"}, RaceCase{"Ruze", "normal", "normal"},
                    RaceCase{"Ruze", "normal", "hard"}, RaceCase{"Test_Track", "normal", "normal"},
                    RaceCase{"Ruze", "eliminator", "normal"}, RaceCase{"Test_Track", "eliminator", "hard"},
                    RaceCase{"Test_Track", "survival", "normal"}, RaceCase{"Test_Track", "survival", "hard"}),
    [](const auto& param) {
      return std::string(param.param.track) + "_" + param.param.type + "_" + param.param.difficulty;
    });

TEST_F(HeadlessRace, TheSameSeedGivesTheSameTableByteForByte) {
  const RunResult first = Race("--race Ruze --laps 3 --seed 7");
  const RunResult second = Race("--race Ruze --laps 3 --seed 7");
  ASSERT_EQ(first.status, 0) << first.output;
  EXPECT_EQ(first.output, second.output);
  const RunResult other = Race("--race Ruze --laps 3 --seed 8");
  EXPECT_NE(first.output, other.output);
}

TEST_F(HeadlessRace, EasyIsClearlySlowerThanHard) {
  const std::vector<Row> easy = ParseTable(Race("--race Ruze --laps 2 --difficulty easy --seed 3").output);
  const std::vector<Row> hard = ParseTable(Race("--race Ruze --laps 2 --difficulty hard --seed 3").output);
  ASSERT_FALSE(easy.empty());
  ASSERT_FALSE(hard.empty());
  EXPECT_GT(easy[0].best, hard[0].best);
  EXPECT_GT(easy[0].time, hard[0].time);
}

TEST_F(HeadlessRace, BadTrackOrValuesGiveOneLineAndStatusTwo) {
  const char* bad[] = {"--race NoSuchTrack", "--race Ruze --laps 0", "--race Ruze --type sprint",
                       "--race Ruze --difficulty insane", "--race Ruze --laps x", "--race ../../etc/passwd"};
  for (const char* args : bad) {
    const RunResult run = Race(args);
    EXPECT_EQ(run.status, 2) << args << ": " << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << args << ": " << run.output;
  }
}

}  // namespace
