// Runs the built game (or any command) the way a player or a script does, capturing what it
// prints. Test programs that use it define QX_GAME_DIR, the folder the game runs in.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "support/temp_folder.h"

struct RunResult {
  int status = -1;  // the exit status, -1 when the command did not exit normally
  std::string output;
};

// Runs a shell command with standard error joined to standard output.
inline RunResult RunCommand(const std::string& command) {
  RunResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  std::array<char, 512> buffer{};
  size_t got = 0;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), got);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Runs ./Quorvex in folder with a save folder of the test's own; env is put before the command.
inline RunResult RunGameIn(const std::string& folder, const std::string& args, const TempFolder& home,
                           const std::string& env = "") {
  return RunCommand("cd '" + folder + "' && XDG_DATA_HOME='" + home.path() + "' " + env + " ./Quorvex " + args);
}

#ifdef QX_GAME_DIR
// Runs the game in the folder that holds its data.
inline RunResult RunGame(const std::string& args, const TempFolder& home, const std::string& env = "") {
  return RunGameIn(QX_GAME_DIR, args, home, env);
}
#endif
