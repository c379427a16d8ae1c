#include <gtest/gtest.h>

#include "shell/command_line.h"

TEST(DrawOptions, ScreenshotAfterTakesMillisecondsAndAFile) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--draw-test", "--screenshot-after", "2000", "shot.png", "--no-vsync"},
           {"--screenshot-after=2000", "shot.png", "--draw-test", "--no-vsync"}}) {
    const CommandLineResult result = ParseCommandLine(args);
    ASSERT_TRUE(result.error.empty()) << result.error;
    EXPECT_TRUE(result.options.drawTest);
    EXPECT_TRUE(result.options.noVsync);
    EXPECT_EQ(result.options.screenshotAfterMs, 2000);
    EXPECT_EQ(result.options.screenshotFile, "shot.png");
  }
}

TEST(DrawOptions, ScreenshotAfterRefusesBadValues) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--screenshot-after", "2000"}, "--screenshot-after needs a value"},
      {{"--screenshot-after"}, "--screenshot-after needs a value"},
      {{"--screenshot-after", "soon", "a.png"}, "needs milliseconds"},
      {{"--screenshot-after", "-5", "a.png"}, "needs milliseconds"},
      {{"--no-vsync=1"}, "takes no value"},
  };
  for (const auto& [args, part] : cases) {
    const CommandLineResult result = ParseCommandLine(args);
    EXPECT_NE(result.error.find(part), std::string::npos) << result.error;
  }
  const std::string help = CommandLineHelp();
  EXPECT_NE(help.find("--screenshot-after MS FILE"), std::string::npos);
  EXPECT_NE(help.find("--draw-test"), std::string::npos);
}
