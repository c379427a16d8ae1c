// Runs the built game the way a player or a script does, and checks what it says and stores.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "support/temp_folder.h"

namespace {

struct RunResult {
  int status = -1;
  std::string output;
};

// Runs the game in its data folder with a save folder of the test's own.
RunResult RunGame(const std::string& args, const TempFolder& home) {
  const std::string command = "cd '" QX_GAME_DIR "' && XDG_DATA_HOME='" + home.path() +
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
}  // namespace
