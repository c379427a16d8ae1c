// The built game's --track-info report, run the way a script checks a track file.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/run_game.h"

namespace {

TEST(TrackInfoProgram, ReportsABuiltInTrackOneColumnALine) {
  TempFolder home;
  const RunResult run = RunGame("--track-info Ruze", home);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output,
            "name: Ruze\n"
            "bytes: 28424\n"
            "colour: 1\n"
            "used track cells: 43\n"
            "objects: 19\n"
            "checkpoints: 12\n"
            "points per used racing line: 60, 59, 62, 60\n"
            "pit points: 15\n"
            "wall points: 36\n");
}

TEST(TrackInfoProgram, ReportsASavedTrackFromTheSaveFolder) {
  TempFolder home;
  std::ifstream built(std::string(QX_BUILT_TRACKS) + "/Lazcon.trk", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(built)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(bytes.empty());
  // Cut short after the grid and the first two objects: what is there is still counted.
  home.Write("Quorvex/Tracks/Mine.trk", bytes.substr(0, 23044 + 2 * 20));
  const RunResult run = RunGame("--track-info Mine", home);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("bytes: 23084\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("colour: 3\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("used track cells: 35\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("objects: 2\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("points per used racing line: none\n"), std::string::npos) << run.output;
}

TEST(TrackInfoProgram, AnUnknownOrUnsafeNameIsAClearFailure) {
  TempFolder home;
  for (const char* name : {"NoSuchTrack", "../Settings/Settings"}) {
    const RunResult run = RunGame(std::string("--track-info ") + name, home);
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_NE(run.output.find("no track named"), std::string::npos) << run.output;
  }
  EXPECT_EQ(RunGame("--track-info", home).status, 2);
}

}  // namespace
