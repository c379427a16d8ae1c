// The built game's --show-screen, run as a script runs it to shoot every screen of the skin.
#include <gtest/gtest.h>

#include "platform/pixmap.h"
#include "support/run_game.h"

namespace {

bool NoDisplay(const RunResult& run) { return run.status == 1 && run.output.find("cannot open") != std::string::npos; }

// Counts the pixels that differ between two pictures of the same size inside a rectangle.
int DifferingPixels(const TPixmap& a, const TPixmap& b, int x0, int y0, int x1, int y1) {
  int differing = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) differing += a.ReadPixel(x, y) != b.ReadPixel(x, y) ? 1 : 0;
  }
  return differing;
}

TEST(ShowScreenProgram, ShowsTheScreenInTheChosenLanguage) {
  TempFolder home;
  const std::string english = home.path() + "en.png", german = home.path() + "de.png";
  const RunResult en = RunGame("--show-screen screen_start --lang en --screenshot-after 300 '" + english + "'", home);
  if (NoDisplay(en)) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
  ASSERT_EQ(en.status, 0) << en.output;
  const RunResult de = RunGame("--show-screen screen_start --lang de --screenshot-after 300 '" + german + "'", home);
  ASSERT_EQ(de.status, 0) << de.output;
  const PixmapPtr a = LoadPixmap(english), b = LoadPixmap(german);
  ASSERT_TRUE(a && b);
  ASSERT_EQ(a->width, 800);
  ASSERT_EQ(a->height, 600);
  // The start panel is drawn where the skin puts it, away from the clear colour of the corner.
  EXPECT_NE(a->ReadPixel(400, 160), a->ReadPixel(795, 595));
  // The first button's label is another text in German; the logo above it is the same.
  EXPECT_GT(DifferingPixels(*a, *b, 270, 172, 530, 210), 50);
  EXPECT_EQ(DifferingPixels(*a, *b, 200, 6, 600, 100), 0);
}

TEST(ShowScreenProgram, ScreensAndMessageBoxOpenAndAnUnknownNameIsRefused) {
  TempFolder home;
  for (const char* name : {"screen_settings", "screen_options", "messagebox"}) {
    const RunResult run =
        RunGame(std::string("--show-screen ") + name + " --screenshot-after 100 '" + home.path() + "shot.png'", home);
    if (NoDisplay(run)) GTEST_SKIP() << "no display";
    EXPECT_EQ(run.status, 0) << name << ": " << run.output;
  }
  const RunResult unknown = RunGame("--show-screen screen_nowhere --screenshot-after 100 '" + home.path() + "x.png'", home);
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.output.find("no screen 'screen_nowhere'"), std::string::npos) << unknown.output;
}

}  // namespace
