#include <gtest/gtest.h>

#include "shell/command_line.h"

TEST(CommandLine, NoArgumentsIsAPlainStart) {
  const CommandLineResult result = ParseCommandLine({});
  EXPECT_TRUE(result.error.empty());
  EXPECT_FALSE(result.options.help || result.options.version || result.options.headless);
  EXPECT_FALSE(result.options.seed);
}

TEST(CommandLine, SwitchesAndValuesInBothForms) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"--headless", "--seed", "77"},
                                                                {"--seed=77", "--headless"}}) {
    const CommandLineResult result = ParseCommandLine(args);
    ASSERT_TRUE(result.error.empty()) << result.error;
    EXPECT_TRUE(result.options.headless);
    EXPECT_EQ(result.options.seed, 77u);
  }
}

struct BadCase {
  std::vector<std::string> args;
  std::string errorPart;
};

TEST(CommandLine, BadInputGivesOneLineErrors) {
  const std::vector<BadCase> cases = {
      {{"--fly"}, "unknown option '--fly'"},
      {{"race"}, "unknown option 'race'"},
      {{"--seed"}, "--seed needs a value"},
      {{"--seed", "abc"}, "--seed needs a whole number"},
      {{"--seed=-3"}, "--seed needs a whole number"},
      {{"--seed=12x"}, "--seed needs a whole number"},
      {{"--seed="}, "--seed needs a whole number"},
      {{"--headless=1"}, "--headless takes no value"},
  };
  for (const BadCase& c : cases) {
    const CommandLineResult result = ParseCommandLine(c.args);
    EXPECT_NE(result.error.find(c.errorPart), std::string::npos) << result.error;
    EXPECT_EQ(result.error.find('\n'), std::string::npos);
  }
}

TEST(CommandLine, HelpListsEveryOption) {
  const std::string help = CommandLineHelp();
  for (const char* option : {"--help", "--version", "--headless", "--seed N", "--debug-output"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
}
