// Runs the built game the way a player or a script does, and checks what it says and stores.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>

#include "support/temp_folder.h"

namespace {

struct RunResult {
  int status = -1;
  std::string output;
};

// Runs the game in folder with a save folder of the test's own.
RunResult RunGameIn(const std::string& folder, const std::string& args, const TempFolder& home) {
  const std::string command = "cd '" + folder + "' && XDG_DATA_HOME='" + home.path() +
                              "' SDL_VIDEODRIVER=offscreen ./Quorvex " + args + " 2>&1";
  RunResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 512> buffer{};
  size_t got = 0;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), got);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Runs the game in the folder that holds its data.
RunResult RunGame(const std::string& args, const TempFolder& home) { return RunGameIn(QX_GAME_DIR, args, home); }

TEST(Program, VersionAndHelp) {
  TempFolder home;
  const RunResult version = RunGame("--version", home);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "Quorvex v1.11\n");
  const RunResult help = RunGame("--help", home);
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--headless"), std::string::npos);
}

TEST(Program, BadOptionsExitWithStatusTwo) {
  TempFolder home;
  for (const char* args : {"--nope", "--seed banana"}) {
    const RunResult run = RunGame(args, home);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.output.rfind("quorvex: ", 0), 0u) << run.output;
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << "one line: " << run.output;
  }
}

TEST(Program, FirstStartPreparesTheSaveFolderAndEndsCleanly) {
  TempFolder home;
  const RunResult run = RunGame("--headless --seed 1", home);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(home.Read("Quorvex/Settings/Settings.ini").rfind("screenw=800\r\n", 0), 0u);
}

TEST(Program, DebugSettingWritesTheLog) {
  TempFolder home;
  home.Write("Quorvex/Settings/Settings.ini", "debug=1\r\n");
  const RunResult run = RunGame("--headless", home);
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
  const RunResult run = RunGameIn(data.path(), "--headless", home);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("End Program"), std::string::npos) << run.output;
}

}  // namespace
