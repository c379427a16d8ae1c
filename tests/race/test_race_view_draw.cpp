// The race view drawn in a real window (Xvfb and Mesa's software renderer under make test):
// where a ship lands between two updates, and which parts of the HUD each race type shows.
#include <gtest/gtest.h>

#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "race/race_hud.h"
#include "race_fixture.h"
#include "shell/game_media.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

ImagePtr Solid(int w, int h, bool centred) {
  TPixmap pixmap(w, h, kPixelRGBA8888);
  pixmap.ClearPixels(0xFFFFFFFFu);
  ImagePtr image = LoadImage(pixmap, 0);
  if (centred) MidHandleImage(image.get());
  return image;
}

struct Rgb {
  int r, g, b;
};

Rgb Pixel(const TPixmap& screen, int x, int y) {
  const uint32_t p = screen.ReadPixel(x, y);
  return {int(p >> 16 & 255), int(p >> 8 & 255), int(p & 255)};
}

int CountLit(const TPixmap& screen, int x0, int y0, int x1, int y1, bool (*test)(const Rgb&)) {
  int lit = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) lit += test(Pixel(screen, x, y)) ? 1 : 0;
  }
  return lit;
}

bool IsWhite(const Rgb& c) { return c.r > 200 && c.g > 200 && c.b > 200; }
bool IsRed(const Rgb& c) { return c.r > 200 && c.g < 50 && c.b < 50; }

class RaceViewDrawing : public RaceTest {
 protected:
  static void SetUpTestSuite() { opened_ = Graphics(kWidth, kHeight, 0, 0) == 1 && !HeadlessGraphics(); }
  static void TearDownTestSuite() { EndGraphics(); }

  void SetUp() override {
    if (!opened_) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
    RaceTest::SetUp();
    ResetDrawState(kWidth, kHeight);
    SetClsColor(0, 0, 0);
    Cls();
    CameraX = CameraY = 0;
    Track->prevcamerax = Track->prevcameray = 0;
    ResetRaceHud();
  }
  void TearDown() override {
    if (!opened_) return;
    ImgDamageMeter.reset();
    RaceTest::TearDown();
  }

  static bool opened_;
};

bool RaceViewDrawing::opened_ = false;

struct TweenCase {
  float tween;
  float camera, previousCamera;
  int expectedX;
};

TEST_F(RaceViewDrawing, AShipIsDrawnBetweenItsTwoUpdatesByTheTween) {
  const TweenCase cases[] = {{0, 0, 0, 100}, {0.5f, 0, 0, 150}, {1, 0, 0, 200}, {0.5f, 100, 0, 200}};
  for (const TweenCase& c : cases) {
    Cls();
    TCar& ship = AddShip(200, 300);
    ship.oldx = 100;
    ship.img = Solid(8, 8, true);
    CameraX = c.camera;
    Track->prevcamerax = c.previousCamera;
    ship.Draw(c.tween);
    SetTransform(0, 1, 1);
    const TPixmap screen = GrabPixmap(0, 0, kWidth, kHeight);
    EXPECT_TRUE(IsWhite(Pixel(screen, c.expectedX, 300))) << "tween " << c.tween << " camera " << c.camera;
    EXPECT_EQ(CountLit(screen, 0, 290, kWidth, 310, IsWhite), 64) << "one 8 x 8 picture";
    TearDown();
    SetUp();
  }
}

TEST_F(RaceViewDrawing, ADestroyedShipLeavesOnlyItsShieldGlow) {
  ImgShield = Solid(20, 20, true);
  TCar& ship = AddShip(400, 300);
  ship.img = Solid(8, 8, true);
  ship.damage = 100;
  ship.Draw(1);
  EXPECT_EQ(CountLit(GrabPixmap(0, 0, kWidth, kHeight), 0, 0, kWidth, kHeight, IsWhite), 0);
  ship.shieldalpha = 1;
  ship.colour = "$FFFF0000";
  ship.Draw(1);
  SetTransform(0, 1, 1);
  EXPECT_EQ(CountLit(GrabPixmap(0, 0, kWidth, kHeight), 380, 280, 420, 320, IsRed), 400) << "the red shield only";
  ImgShield.reset();
}

struct HudCase {
  const char* what;
  int raceType;
  int totallaps;
  bool lapCounter;
  bool damageMeter;
};

TEST_F(RaceViewDrawing, EliminationRacesShowNeitherLapCounterNorItsMeter) {
  const HudCase cases[] = {
      {"normal race", 1, 3, true, true},
      {"survival", 4, 99, false, true},
      {"eliminator", 3, 99, false, false},
  };
  for (const HudCase& c : cases) {
    Cls();
    RaceType = c.raceType;
    Track->totallaps = c.totallaps;
    ImgDamageMeter = Solid(64, 20, false);
    TCar& player = AddShip(1000, 1000, 1);
    player.lapscomplete = 0;
    player.damage = 40;
    player.DrawRaceInfo();
    const TPixmap screen = GrabPixmap(0, 0, kWidth, kHeight);
    const int lapText = CountLit(screen, kWidth - 225, 10, kWidth, 40, IsWhite);
    const int meter = CountLit(screen, kWidth / 2 - 32, 69, kWidth / 2 + 32, 89, IsRed);
    EXPECT_EQ(lapText > 20, c.lapCounter) << c.what << ": " << lapText;
    EXPECT_EQ(meter > 500, c.damageMeter) << c.what << ": " << meter;
    TearDown();
    SetUp();
  }
}

}  // namespace
