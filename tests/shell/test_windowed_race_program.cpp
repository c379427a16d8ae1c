// The built game's --race in a window, shot a few seconds after the start signal: the track,
// the ships and the player's HUD must all be on the picture.
#include <gtest/gtest.h>

#include <functional>

#include "platform/pixmap.h"
#include "support/run_game.h"

namespace {

constexpr const char* kAudio = "ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0 SDL_AUDIODRIVER=dummy";

bool NoDisplay(const RunResult& run) {
  return run.status == 2 && run.output.find("could not be opened") != std::string::npos;
}

using PixelTest = std::function<bool(int r, int g, int b)>;

int Count(const TPixmap& picture, int x0, int y0, int x1, int y1, const PixelTest& test) {
  int seen = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const uint32_t p = picture.ReadPixel(x, y);
      if (test(int(p >> 16 & 255), int(p >> 8 & 255), int(p & 255))) ++seen;
    }
  }
  return seen;
}

bool TrackRed(int r, int g, int b) { return r > 200 && g < 60 && b < 60; }
bool WallCyan(int r, int g, int b) { return r < 100 && g > 150 && b > 200; }
bool White(int r, int g, int b) { return r > 220 && g > 220 && b > 220; }
// The record's green, also where it lies over the red grid.
bool RecordGreen(int, int g, int b) { return g > 100 && b < 80; }
// A ship's own colours: neither the red track, the cyan walls nor the white stars and texts.
bool ShipColour(int r, int g, int b) { return r > 120 && (g > 120 || b > 120) && !White(r, g, b); }
// The start banner's green band.
bool BannerGreen(int r, int g, int b) { return g > 60 && r < 60 && b < 60; }
bool MeterRed(int r, int g, int) { return r > 150 && g > 60; }

}  // namespace

TEST(WindowedRaceProgram, AfterTheStartTheTrackShipsAndHudAreOnScreen) {
  TempFolder home;
  const std::string shot = home.path() + "race.png";
  const RunResult run =
      // A fixed seed keeps the field, and so the camera, where the checks expect them: with a
      // seed from the clock the player's ship is shoved about on the grid, and now and then a
      // wall's glow lay right over the record line.
      RunGame("--race Ruze --ship 1 --seed 1 --windowed --size 800x600 --screenshot-after 9000 '" + shot + "'", home,
              kAudio);
  if (NoDisplay(run)) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
  ASSERT_EQ(run.status, 0) << run.output;
  const PixmapPtr picture = LoadPixmap(shot);
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width, 800);
  ASSERT_EQ(picture->height, 600);
  EXPECT_LT(Count(*picture, 0, 480, 800, 560, BannerGreen), 5000) << "the start banner has gone: the race is on";
  EXPECT_GT(Count(*picture, 0, 0, 800, 600, TrackRed), 20000) << "Ruze's red grid and road";
  EXPECT_GT(Count(*picture, 0, 0, 800, 600, WallCyan), 1000) << "the walls";
  EXPECT_GT(Count(*picture, 0, 120, 740, 600, ShipColour), 1000) << "ships on the track";
  EXPECT_GT(Count(*picture, 752, 112, 786, 412, ShipColour), 400) << "the running order down the right edge";
  EXPECT_GT(Count(*picture, 640, 110, 746, 420, White), 150) << "the player's place beside the running order";
  EXPECT_GT(Count(*picture, 575, 10, 800, 45, White), 300) << "the lap counter";
  EXPECT_GT(Count(*picture, 575, 74, 700, 100, RecordGreen), 20) << "the track record line";
  EXPECT_GT(Count(*picture, 368, 30, 432, 95, MeterRed), 100) << "the weapon container and damage meter";
}

TEST(WindowedRaceProgram, AnUnknownTrackEndsWithStatusTwoAndSaysSo) {
  TempFolder home;
  const RunResult run = RunGame("--race NoSuchTrack --windowed --size 800x600", home, kAudio);
  if (NoDisplay(run)) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("no track named 'NoSuchTrack'"), std::string::npos) << run.output;
}
