// The drawing layer without a window: state, geometry, fonts and pacing.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/clock.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/frame_pacer.h"
#include "platform/glow_line.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/image_font.h"

namespace {

class HeadlessDrawing : public testing::Test {
 protected:
  void SetUp() override {
    SetHeadlessGraphics(true);
    ASSERT_EQ(Graphics(800, 600, 0, 60), 1);
  }
  void TearDown() override {
    EndGraphics();
    SetHeadlessGraphics(false);
    UseSystemClock();
  }
};

// A font whose every glyph is 2.6 pixels wide, with no glyph for 'x'.
class FractionalSource : public TFontSource {
 public:
  bool RenderGlyph(uint32_t code, TGlyphBitmap& out) override {
    if (code == 'x') return false;
    out.advance = 2.6f;
    return true;
  }
  int LineHeight() const override { return 11; }
};

}  // namespace

TEST_F(HeadlessDrawing, OpeningAWindowResetsTheState) {
  SetColor(1, 2, 3);
  SetRotation(45);
  Graphics(640, 480, 0, 60);
  const TMax2DGraphics& s = DrawState();
  EXPECT_EQ(s.color_red, 255);
  EXPECT_EQ(s.blend_mode, 1);
  EXPECT_EQ(s.tform_rot, 0);
  EXPECT_EQ(s.viewport_w, 640);
  EXPECT_EQ(s.viewport_h, 480);
  EXPECT_EQ(GraphicsWidth(), 640);
  EXPECT_EQ(GetImageFont(), DefaultImageFont());
}

TEST_F(HeadlessDrawing, ColourAndAlphaAreClamped) {
  SetColor(300, -5, 128);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 0);
  EXPECT_EQ(b, 128);
  struct AlphaCase {
    float in, kept;
    int byte;
  };
  for (const AlphaCase& c : {AlphaCase{1.7f, 1, 255}, AlphaCase{-0.2f, 0, 0}, AlphaCase{0.5f, 0.5f, 127},
                             AlphaCase{std::nanf(""), 0, 0}}) {
    SetAlpha(c.in);
    EXPECT_EQ(GetAlpha(), c.kept) << c.in;
    EXPECT_EQ(DrawState().alpha_byte, c.byte) << c.in;
  }
}

TEST_F(HeadlessDrawing, TransformMatrixTurnsClockwiseOnScreen) {
  SetTransform(90, 2, 3);
  const TMax2DGraphics& s = DrawState();
  // (1, 0) relative to the drawing point lands at (px*ix + py*iy, px*jx + py*jy) = (0, 2).
  EXPECT_NEAR(s.tform_ix, 0, 1e-6);
  EXPECT_NEAR(s.tform_jx, 2, 1e-6);
  EXPECT_NEAR(s.tform_iy, -3, 1e-6);
  EXPECT_NEAR(s.tform_jy, 0, 1e-6);
  SetHandle(4, 5);
  float hx, hy;
  GetHandle(hx, hy);
  EXPECT_EQ(hx, 4);
  EXPECT_EQ(s.handle_x, -4) << "stored negated";
}

TEST(OvalPoints, CountIsHalfTheSizeAtLeastTwelveInFours) {
  EXPECT_EQ(OvalPointCount(4, 4), 12);
  EXPECT_EQ(OvalPointCount(100, 60), 80);
  EXPECT_EQ(OvalPointCount(-100, 62), 80);
  EXPECT_EQ(OvalPointCount(30, 7), 16);
}

TEST_F(HeadlessDrawing, HundredPixelImageTakesA128TextureMadeOnFirstUse) {
  ImagePtr image = CreateImage(100, 100, 1, -1);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->flags, 3);
  TGLImageFrame* frame = image->Frame(0);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->texture_width, 128);
  EXPECT_EQ(frame->texture_height, 128);
  EXPECT_FLOAT_EQ(frame->u1, 0.78125f);
  EXPECT_FLOAT_EQ(frame->v1, 0.78125f);
  EXPECT_EQ(image->Frame(0), frame) << "kept, not remade";
  image->Lock(0);
  EXPECT_NE(image->Frame(0), nullptr);
  EXPECT_EQ(image->Frame(1), nullptr);
  MidHandleImage(image.get());
  EXPECT_EQ(image->handle_x, 50);
  DrawImage(nullptr, 0, 0);  // a missing picture draws nothing
  EXPECT_EQ(ImageWidth(nullptr), 0);
}

TEST_F(HeadlessDrawing, TextWidthTruncatesAfterEachGlyphAndSkipsMissingOnes) {
  TImageFont font(std::make_unique<FractionalSource>(), 0);
  SetImageFont(&font);
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_EQ(TextWidth("aaa"), 6) << "2, 4, 6 rather than 7.8";
  EXPECT_EQ(TextWidth("axa"), 4);
  EXPECT_EQ(TextHeight("anything"), 11);
  SetImageFont(nullptr);
  EXPECT_EQ(GetImageFont(), DefaultImageFont());
}

TEST(DefaultFont, CoversPrintableAsciiAndNothingElse) {
  TImageFont* font = DefaultImageFont();
  for (uint32_t code = 32; code <= 127; ++code) EXPECT_NE(font->Glyph(code), nullptr) << code;
  EXPECT_EQ(font->Glyph(31), nullptr);
  EXPECT_EQ(font->Glyph(0xE9), nullptr);
  EXPECT_EQ(font->Glyph(' ')->_image, nullptr) << "a space is blank";
  EXPECT_NE(font->Glyph('A')->_image, nullptr);
}

TEST(TextDecoding, Utf8WithLatin1ForBrokenBytes) {
  EXPECT_EQ(DecodeText("A\xC3\xA9"), std::u32string(U"A\u00E9"));
  EXPECT_EQ(DecodeText("\xE9t\xE9"), std::u32string(U"\u00E9t\u00E9"));
  EXPECT_EQ(DecodeText("\xF0\x9F\x98\x80"), std::u32string(U"\U0001F600"));
}

TEST(GlowLine, CappedStripHasEightVerticesReachingWidthBeyondEachEnd) {
  const auto v = TPoly::LineVertices(10, 20, 0xFF112233u, 110, 20, 0x80445566u, 4, true, false);
  ASSERT_EQ(v.size(), 8u);
  // A = (-4, 0) (from the end to the start), P = (0, -4).
  struct Expected {
    float x, y, u, v;
    uint32_t colour;
  };
  const Expected expected[8] = {{6, 16, 1, 0, 0xFF112233u},       {6, 24, 1, 1, 0xFF112233u},
                                {10, 16, 0.4985f, 0, 0xFF112233u}, {10, 24, 0.4985f, 1, 0xFF112233u},
                                {110, 16, 0.5015f, 0, 0x80445566u}, {110, 24, 0.5015f, 1, 0x80445566u},
                                {114, 16, 1, 0, 0x80445566u},      {114, 24, 1, 1, 0x80445566u}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_NEAR(v[size_t(i)].x, expected[i].x, 1e-4) << i;
    EXPECT_NEAR(v[size_t(i)].y, expected[i].y, 1e-4) << i;
    EXPECT_FLOAT_EQ(v[size_t(i)].u, expected[i].u) << i;
    EXPECT_FLOAT_EQ(v[size_t(i)].v, expected[i].v) << i;
    EXPECT_EQ(v[size_t(i)].argb, expected[i].colour) << i;
    EXPECT_EQ(v[size_t(i)].nz, 1) << i;
  }
}

TEST(GlowLine, UncappedStripHasFourVerticesAndFlipSwapsTheMiddleTwo) {
  for (bool flip : {false, true}) {
    const auto v = TPoly::LineVertices(0, 0, 1, 0, 10, 2, 3, false, flip);
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(v[0].u, 0);
    EXPECT_EQ(v[0].v, 0);
    EXPECT_EQ(v[1].u, flip ? 1 : 0);
    EXPECT_EQ(v[1].v, flip ? 0 : 1);
    EXPECT_EQ(v[2].u, flip ? 0 : 1);
    EXPECT_EQ(v[2].v, flip ? 1 : 0);
    EXPECT_EQ(v[3].u, 1);
    EXPECT_EQ(v[3].v, 1);
  }
  EXPECT_TRUE(TPoly::LineVertices(5, 5, 1, 5, 5, 1, 3, true, false).empty()) << "zero length draws nothing";
}

TEST(FramePacer, SixtyFramesTakeExactlyOneSecond) {
  UseVirtualClock(1000);
  TFramePacer pacer;
  for (int i = 0; i < 60; ++i) pacer.Wait(60);
  pacer.Wait(60);  // the 61st frame waits for the second to be up
  EXPECT_EQ(MilliSecs(), 2000);
  UseSystemClock();
}

TEST(FramePacer, LateFrameMovesTheScheduleUpInsteadOfRushing) {
  UseVirtualClock(0);
  TFramePacer pacer;
  pacer.Wait(50);              // due at 0, next at 20
  AdvanceVirtualClock(100);    // a long stall
  pacer.Wait(50);              // late: no wait, next at 120
  EXPECT_EQ(MilliSecs(), 100);
  pacer.Wait(50);
  EXPECT_EQ(MilliSecs(), 120);
  UseSystemClock();
}
