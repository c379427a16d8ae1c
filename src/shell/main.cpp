// The program's entry point: reads the command line, then hands over to Main.
#include <cstdio>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/game_main.h"
#include "shell/game_state.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const CommandLineResult parsed = ParseCommandLine(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "quorvex: %s\n", parsed.error.c_str());
    return 2;
  }
  if (parsed.options.help) {
    std::fputs(CommandLineHelp().c_str(), stdout);
    return 0;
  }
  if (parsed.options.version) {
    std::printf("%s %s\n", AppTitle.c_str(), VersionText.c_str());
    return 0;
  }
  return Main(parsed.options);
}
