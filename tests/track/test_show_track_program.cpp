// The built game's --show-track window, run the way a script runs it.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/pixmap.h"
#include "support/run_game.h"

namespace {

bool NoDisplay(const RunResult& run) { return run.status == 1 && run.output.find("cannot open") != std::string::npos; }

struct Colours {
  int trackRed = 0;   // the red of the track colour (grid and tiles)
  int wallCyan = 0;   // the walls' colour
};

Colours Count(const TPixmap& picture) {
  Colours seen;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const uint32_t p = picture.ReadPixel(x, y);
      const int r = int(p >> 16 & 255), g = int(p >> 8 & 255), b = int(p & 255);
      if (r > 200 && g < 60 && b < 60) ++seen.trackRed;
      if (r < 100 && g > 150 && b > 200) ++seen.wallCyan;
    }
  }
  return seen;
}

void ExpectTrackDrawn(const std::string& shot, const RunResult& run) {
  ASSERT_EQ(run.status, 0) << run.output;
  const PixmapPtr picture = LoadPixmap(shot);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 800);
  EXPECT_EQ(picture->height, 600);
  const Colours seen = Count(*picture);
  EXPECT_GT(seen.trackRed, 10000) << "Ruze's red grid and tiles";
  EXPECT_GT(seen.wallCyan, 1000) << "the walls";
}

}  // namespace

TEST(ShowTrackProgram, DrawsABuiltInTrackWithItsGridTilesAndWalls) {
  TempFolder home;
  const std::string shot = home.path() + "ruze.png";
  const RunResult run = RunGame("--show-track Ruze --screenshot-after 300 '" + shot + "'", home);
  if (NoDisplay(run)) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
  ExpectTrackDrawn(shot, run);
}

TEST(ShowTrackProgram, DrawsATrackSavedInTheSaveFolder) {
  TempFolder home;
  std::filesystem::create_directories(home.path() + "Quorvex/Tracks");
  std::filesystem::copy_file(QX_BUILT_TRACKS "/Ruze.trk", home.path() + "Quorvex/Tracks/My Ruze.trk");
  const std::string shot = home.path() + "mine.png";
  const RunResult run = RunGame("--show-track 'My Ruze' --screenshot-after 300 '" + shot + "'", home);
  if (NoDisplay(run)) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
  ExpectTrackDrawn(shot, run);
}

TEST(ShowTrackProgram, AnUnknownTrackEndsWithStatusOneAndSaysSo) {
  TempFolder home;
  const RunResult run = RunGame("--show-track NoSuchTrack", home);
  if (NoDisplay(run)) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("no track named 'NoSuchTrack'"), std::string::npos) << run.output;
}
