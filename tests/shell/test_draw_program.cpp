// The built game's draw test, run as a script runs it for the README's pictures.
#include <gtest/gtest.h>

#include "platform/pixmap.h"
#include "support/run_game.h"

TEST(DrawTestProgram, ScreenshotAfterSavesWhatWasDrawnAndEndsWithStatusZero) {
  TempFolder home;
  const std::string shot = home.path() + "shot.png";
  const RunResult run = RunGame("--draw-test --screenshot-after 300 '" + shot + "'", home);
  if (run.status == 1 && run.output.find("cannot open") != std::string::npos) {
    GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
  }
  ASSERT_EQ(run.status, 0) << run.output;
  const PixmapPtr picture = LoadPixmap(shot);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 800);
  EXPECT_EQ(picture->height, 600);
  EXPECT_EQ(picture->ReadPixel(100, 150), 0xFFC83C3Cu) << "the red rectangle";
  EXPECT_EQ(picture->ReadPixel(5, 5), 0xFF0A0C1Eu) << "the clear colour";
}

TEST(DrawTestProgram, UnwritableScreenshotEndsWithStatusOne) {
  TempFolder home;
  const RunResult run = RunGame("--draw-test --screenshot-after 0 '" + home.path() + "no/such/folder/shot.png'", home);
  if (run.status == 1 && run.output.find("cannot open") != std::string::npos) GTEST_SKIP() << "no display";
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("could not write the screenshot"), std::string::npos) << run.output;
}
