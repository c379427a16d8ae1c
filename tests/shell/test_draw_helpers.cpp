#include <gtest/gtest.h>

#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "shell/draw_helpers.h"

namespace {

class DrawHelpers : public testing::Test {
 protected:
  void SetUp() override {
    SetHeadlessGraphics(true);
    Graphics(800, 600, 0, 60);
  }
  void TearDown() override {
    EndGraphics();
    SetHeadlessGraphics(false);
  }
};

}  // namespace

TEST_F(DrawHelpers, SetDrawStateSetsBlendAlphaColourAndClearsRotation) {
  SetRotation(33);
  SetDrawState(10, 20, 30, 0.5f, 4);
  const TMax2DGraphics& s = DrawState();
  EXPECT_EQ(s.blend_mode, 4);
  EXPECT_EQ(s.color_alpha, 0.5f);
  EXPECT_EQ(s.color_green, 20);
  EXPECT_EQ(s.tform_rot, 0);
}

TEST_F(DrawHelpers, DrawTextAlignedPutsScaleAndAlphaBack) {
  SetScale(3, 3);
  DrawTextAligned("Lap 1 / 3", 400, 300, 1, 1, 0.4f, 0.3f);
  float sx, sy;
  GetScale(sx, sy);
  EXPECT_EQ(sx, 1);
  EXPECT_EQ(sy, 1);
  EXPECT_EQ(GetAlpha(), 1);
}

TEST_F(DrawHelpers, SetColourTextReadsTheColourOrFallsBackToBlack) {
  SetColourText("$FF0066FF");
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 0x00);
  EXPECT_EQ(g, 0x66);
  EXPECT_EQ(b, 0xFF);
  SetColourText("$F");
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 0);
}
