// Runs the built game the way a player or a script does, and checks what it says and stores.
#include <gtest/gtest.h>
#include <unistd.h>

#include "support/run_game.h"

namespace {

// Headless program runs never open a window; offscreen keeps SDL off any display.
RunResult RunHeadless(const std::string& args, const TempFolder& home) {
  return RunGame(args, home, "SDL_VIDEODRIVER=offscreen");
}

TEST(Program, VersionAndHelp) {
  TempFolder home;
  const RunResult version = RunHeadless("--version", home);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "Quorvex v1.11\n");
  const RunResult help = RunHeadless("--help", home);
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--headless"), std::string::npos);
}

TEST(Program, BadOptionsExitWithStatusTwo) {
  TempFolder home;
  for (const char* args : {"--nope", "--seed banana"}) {
    const RunResult run = RunHeadless(args, home);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.output.rfind("quorvex: ", 0), 0u) << run.output;
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << "one line: " << run.output;
  }
}

TEST(Program, FirstStartPreparesTheSaveFolderAndEndsCleanly) {
  TempFolder home;
  const RunResult run = RunHeadless("--headless --seed 1", home);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(home.Read("Quorvex/Settings/Settings.ini").rfind("screenw=800\r\n", 0), 0u);
}

TEST(Program, DebugSettingWritesTheLog) {
  TempFolder home;
  home.Write("Quorvex/Settings/Settings.ini", "debug=1\r\n");
  const RunResult run = RunHeadless("--headless", home);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Logging started"), std::string::npos);
  EXPECT_NE(run.output.find("End Program"), std::string::npos);
}

TEST(Program, RunsWithoutEngineIniOnTheRangeMinimums) {
  TempFolder home, data;
  // The program beside an empty data folder: no Settings/Engine.ini at all.
  const std::string link = data / "Quorvex";
  ASSERT_EQ(symlink(QX_GAME_DIR "/Quorvex", link.c_str()), 0);
  home.Write("Quorvex/Settings/Settings.ini", "debug=1\r\n");
  const RunResult run = RunGameIn(data.path(), "--headless", home, "SDL_VIDEODRIVER=offscreen");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("End Program"), std::string::npos) << run.output;
}

}  // namespace
