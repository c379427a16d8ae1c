// Pixels drawn in a real window (Xvfb and Mesa's software renderer under make test).
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "built_in_files.h"
#include "platform/clock.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/glow_line.h"
#include "platform/graphics.h"
#include "platform/graphics_modes.h"
#include "platform/image.h"
#include "platform/image_font.h"
#include "platform/pixmap_codecs.h"
#include "support/temp_folder.h"

namespace {

constexpr int kWidth = 320, kHeight = 240;

struct Rgb {
  int r, g, b;
};

Rgb PixelAt(const TPixmap& pixmap, int x, int y) {
  const uint32_t p = pixmap.ReadPixel(x, y);
  return {int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)};
}

Rgb ScreenPixel(int x, int y) { return PixelAt(GrabPixmap(x, y, 1, 1), 0, 0); }

void ExpectNear(const Rgb& got, const Rgb& want, int tolerance, const std::string& what) {
  EXPECT_NEAR(got.r, want.r, tolerance) << what;
  EXPECT_NEAR(got.g, want.g, tolerance) << what;
  EXPECT_NEAR(got.b, want.b, tolerance) << what;
}

struct Box {
  int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1;
};

// The smallest rectangle holding every pixel that is not black.
Box LitBox() {
  const TPixmap screen = GrabPixmap(0, 0, kWidth, kHeight);
  Box box;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if ((screen.ReadPixel(x, y) & 0xFFFFFF) == 0) continue;
      box.minX = std::min(box.minX, x);
      box.maxX = std::max(box.maxX, x);
      box.minY = std::min(box.minY, y);
      box.maxY = std::max(box.maxY, y);
    }
  }
  return box;
}

ImagePtr SolidImage(int w, int h, uint32_t argb, int flags) {
  TPixmap pixmap(w, h, kPixelRGBA8888);
  pixmap.ClearPixels(argb);
  return LoadImage(pixmap, flags);
}

class WindowDrawing : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterBuiltInFiles();
    opened_ = Graphics(kWidth, kHeight, 0, 0) == 1;
  }
  static void TearDownTestSuite() { EndGraphics(); }

  void SetUp() override {
    if (!opened_) GTEST_SKIP() << "no display to open a window on (run under xvfb-run, as make test does)";
    ResetDrawState(kWidth, kHeight);
    SetClsColor(0, 0, 0);
    Cls();
  }

  static bool opened_;
};

bool WindowDrawing::opened_ = false;

}  // namespace

TEST_F(WindowDrawing, ColourAndAlphaAreClampedWhenDrawn) {
  SetBlend(kBlendAlpha);
  SetColor(300, -5, 128);
  SetAlpha(1.7f);
  DrawRect(10, 10, 20, 20);
  ExpectNear(ScreenPixel(20, 20), {255, 0, 128}, 0, "opaque, colour clamped");
  SetColor(255, 255, 255);
  SetAlpha(-0.2f);
  DrawRect(40, 10, 20, 20);
  ExpectNear(ScreenPixel(50, 20), {0, 0, 0}, 0, "alpha below 0 draws nothing visible");
}

struct BlendCase {
  int mode;
  float alpha;
  Rgb expected;
};

TEST_F(WindowDrawing, EachBlendModeMixesWithTheScreenAsItShould) {
  // Colour (200, 50, 0) over grey 100; alpha 0.5 is the byte 127.
  const BlendCase cases[] = {
      {kBlendMask, 0.6f, {200, 50, 0}},   {kBlendMask, 0.4f, {100, 100, 100}}, {kBlendSolid, 0.1f, {200, 50, 0}},
      {kBlendAlpha, 0.5f, {150, 75, 50}}, {kBlendLight, 0.5f, {200, 125, 100}}, {kBlendShade, 0.5f, {78, 20, 0}},
  };
  for (const BlendCase& c : cases) {
    SetClsColor(100, 100, 100);
    Cls();
    SetBlend(c.mode);
    SetColor(200, 50, 0);
    SetAlpha(c.alpha);
    DrawRect(0, 0, 50, 50);
    ExpectNear(ScreenPixel(25, 25), c.expected, 2, "blend " + std::to_string(c.mode) + " alpha " + std::to_string(c.alpha));
  }
}

TEST_F(WindowDrawing, MidHandledImageRotatedNinetyDegreesCoversItsTurnedExtent) {
  ImagePtr image = SolidImage(64, 32, 0xFFFFFFFFu, 0);
  MidHandleImage(image.get());
  SetBlend(kBlendSolid);
  SetRotation(90);
  DrawImage(image.get(), 100, 100);
  const Box box = LitBox();
  EXPECT_EQ(box.minX, 84);
  EXPECT_EQ(box.maxX, 115);
  EXPECT_EQ(box.minY, 68);
  EXPECT_EQ(box.maxY, 131);
}

TEST_F(WindowDrawing, ViewportClipsAndFullWindowClipsNothing) {
  SetBlend(kBlendSolid);
  SetViewport(50, 60, 20, 30);
  DrawRect(0, 0, kWidth, kHeight);
  const Box box = LitBox();
  EXPECT_EQ(box.minX, 50);
  EXPECT_EQ(box.maxX, 69);
  EXPECT_EQ(box.minY, 60);
  EXPECT_EQ(box.maxY, 89);
  SetViewport(0, 0, kWidth, kHeight);
  DrawRect(0, 0, kWidth, kHeight);
  const Box whole = LitBox();
  EXPECT_EQ(whole.minX, 0);
  EXPECT_EQ(whole.maxY, kHeight - 1);
}

TEST_F(WindowDrawing, HundredPixelImageFillsExactlyItsSizeFromA128Texture) {
  ImagePtr image = SolidImage(100, 100, 0xFF00FF00u, kFilteredImage | kMipmappedImage);
  SetBlend(kBlendAlpha);
  DrawImage(image.get(), 10, 20);
  TGLImageFrame* frame = image->Frame(0);
  ASSERT_TRUE(frame);
  EXPECT_NE(frame->name, 0u);
  EXPECT_EQ(frame->texture_width, 128);
  EXPECT_FLOAT_EQ(frame->u1, 0.78125f);
  const Box box = LitBox();
  EXPECT_EQ(box.minX, 10);
  EXPECT_EQ(box.maxX, 109);
  EXPECT_EQ(box.minY, 20);
  EXPECT_EQ(box.maxY, 119);
  ExpectNear(ScreenPixel(109, 119), {0, 255, 0}, 8, "the edge keeps its colour under filtering");
}

TEST_F(WindowDrawing, OvalFillsItsBoxAndLinesPlotTheirLastPixel) {
  SetBlend(kBlendSolid);
  DrawOval(20, 30, 100, 60);
  const Box box = LitBox();
  EXPECT_NEAR(box.minX, 20, 1);
  EXPECT_NEAR(box.maxX, 119, 1);
  EXPECT_NEAR(box.minY, 30, 1);
  EXPECT_NEAR(box.maxY, 89, 1);
  Cls();
  DrawLine(10, 200, 30, 200);
  ExpectNear(ScreenPixel(30, 200), {255, 255, 255}, 0, "last pixel plotted");
  Cls();
  DrawLine(10, 200, 30, 200, false);
  ExpectNear(ScreenPixel(30, 200), {0, 0, 0}, 0, "last pixel left out");
}

TEST_F(WindowDrawing, TextIsDrawnWhereItsGlyphsSayAndMeasuredByAdvances) {
  SetBlend(kBlendSolid);
  SetImageFont(nullptr);
  DrawText("I", 100, 50);
  // The built-in I is a bar in its third column, 2 pixels wide, from one pixel down.
  const Box box = LitBox();
  EXPECT_EQ(box.minX, 100 + 2);
  EXPECT_EQ(box.minY, 50 + 1);
  EXPECT_EQ(TextWidth("II"), 24);

  ImageFontPtr font = LoadImageFont("incbin::Inc/trebucbd.ttf", 24, kSmoothFont);
  ASSERT_TRUE(font) << "the embedded bold sans";
  SetImageFont(font.get());
  int expected = 0;
  for (char c : std::string("Race!")) expected = int(float(expected) + font->Glyph(uint32_t(c))->_advance);
  EXPECT_EQ(TextWidth("Race!"), expected);
  EXPECT_GT(TextWidth("Race!"), 40);
  EXPECT_GE(TextHeight(""), 24);
  Cls();
  SetBlend(kBlendAlpha);
  DrawText("Race!", 20, 100);
  const Box text = LitBox();
  EXPECT_GE(text.minX, 20);
  EXPECT_LE(text.maxX, 20 + TextWidth("Race!") + 2);
  EXPECT_GE(text.minY, 100);
  EXPECT_LE(text.maxY, 100 + TextHeight("Race!"));
  SetImageFont(nullptr);
  EXPECT_FALSE(LoadImageFont("incbin::Inc/none.ttf", 24, kSmoothFont));
}

TEST_F(WindowDrawing, GlowLineIsDrawnWithItsEndColours) {
  ImagePtr glow = SolidImage(16, 16, 0xFFFFFFFFu, kFilteredImage);
  SetBlend(kBlendLight);
  TPoly::Line(glow.get(), 0, 40, 120, 0xFFFF0000u, 240, 120, 0xFF0000FFu, 6, true, false);
  const Rgb nearStart = ScreenPixel(45, 120), nearEnd = ScreenPixel(235, 120);
  EXPECT_GT(nearStart.r, 200);
  EXPECT_LT(nearStart.b, 50);
  EXPECT_GT(nearEnd.b, 200);
  EXPECT_LT(nearEnd.r, 50);
  const Box box = LitBox();
  EXPECT_NEAR(box.minX, 34, 1) << "the caps reach width beyond each end";
  EXPECT_NEAR(box.maxX, 245, 1);
}

TEST_F(WindowDrawing, ScreenshotReadsBackWhatWasDrawn) {
  SetBlend(kBlendSolid);
  SetColor(255, 0, 0);
  DrawRect(0, 0, 160, 120);
  SetColor(0, 0, 255);
  DrawRect(160, 120, 160, 120);
  const TPixmap shot = GrabPixmap(0, 0, kWidth, kHeight);
  ExpectNear(PixelAt(shot, 10, 10), {255, 0, 0}, 0, "top left is the top of the window");
  ExpectNear(PixelAt(shot, 300, 200), {0, 0, 255}, 0, "bottom right");
  ExpectNear(PixelAt(shot, 300, 10), {0, 0, 0}, 0, "top right");
  TempFolder folder;
  ASSERT_EQ(SavePixmapPNG(shot, folder.path() + "shot.png", 5), 1);
  const PixmapPtr back = LoadPixmap(folder.path() + "shot.png");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pixels, shot.pixels);
  Flip(0);
}

TEST_F(WindowDrawing, FlipWithSyncIsPacedToTheRefreshRateEvenWithoutVsync) {
  // Xvfb refuses vsync: the layer paces itself rather than spinning. On the virtual clock
  // only the pacing's own waits move time, so the figures are exact.
  ASSERT_EQ(Graphics(kWidth, kHeight, 0, 60), 1);
  UseVirtualClock(0);
  for (int i = 0; i < 61; ++i) Flip(-1);
  EXPECT_EQ(MilliSecs(), 1000) << "a window with a refresh rate is paced by the layer: 60 intervals, one second";
  Flip(1);
  if (SDL_GL_GetSwapInterval() == 0) {
    const int start = MilliSecs();
    for (int i = 0; i < 60; ++i) Flip(1);
    EXPECT_EQ(MilliSecs() - start, 1000) << "vsync refused: paced to the refresh rate instead";
  }
  SetFramePacing(false);
  const int unpaced = MilliSecs();
  for (int i = 0; i < 20; ++i) Flip(1);
  EXPECT_EQ(MilliSecs(), unpaced) << "pacing lifted";
  SetFramePacing(true);
  UseSystemClock();
  ASSERT_EQ(Graphics(kWidth, kHeight, 0, 0), 1);
}

TEST_F(WindowDrawing, DisplayModesAreListed) {
  const std::vector<TGraphicsMode> modes = GraphicsModes();
  ASSERT_FALSE(modes.empty());
  for (const TGraphicsMode& mode : modes) {
    EXPECT_GT(mode.width, 0);
    EXPECT_GT(mode.height, 0);
    EXPECT_GE(mode.depth, 16);
  }
  EXPECT_TRUE(GraphicsModeExists(modes[0].width, modes[0].height));
  EXPECT_FALSE(GraphicsModeExists(12345, 7));
}

TEST_F(WindowDrawing, ImageRectStretchesTheFrameToTheGivenSize) {
  ImagePtr image = SolidImage(8, 8, 0xFFFFFFFFu, 0);
  SetBlend(kBlendSolid);
  DrawImageRect(image.get(), 10, 20, 50, 30);
  const Box box = LitBox();
  EXPECT_EQ(box.minX, 10);
  EXPECT_EQ(box.maxX, 59);
  EXPECT_EQ(box.minY, 20);
  EXPECT_EQ(box.maxY, 49);
}

TEST_F(WindowDrawing, ReopeningTheWindowRemakesTexturesInTheNewContext) {
  ImagePtr image = SolidImage(16, 16, 0xFF00FF00u, 0);
  SetBlend(kBlendSolid);
  DrawImage(image.get(), 0, 0);
  const int firstSeq = image->Frame(0)->seq;
  ASSERT_EQ(Graphics(kWidth, kHeight, 0, 0), 1);
  EXPECT_NE(image->Frame(0)->seq, firstSeq);
  SetBlend(kBlendSolid);
  SetClsColor(0, 0, 0);
  Cls();
  DrawImage(image.get(), 30, 30);
  ExpectNear(ScreenPixel(35, 35), {0, 255, 0}, 0, "drawn from the remade texture");
}
