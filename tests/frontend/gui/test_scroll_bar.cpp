#include "frontend/gui/panel.h"
#include "frontend/gui/scroll_bar.h"
#include "gui_fixture.h"

namespace {

class ScrollBarTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    kui_TScreen* screen = kui_TScreen::Create("screen", "");
    panel_ = kui_TPanel::Create("pan", 0, 0, 800, 600, nullptr);
    screen->AddPanel(panel_);
    kui_ShowScreen(screen, 0);
    // 130 long: a track of 100 pixels for 200 units, 50 of them visible.
    bar_ = kui_TScrollBar::Create("scr", 10, 20, 130, 0, 200, 50, panel_);
    bar_->SetInc(5);
    bar_->SetBigInc(50);
  }
  kui_TPanel* panel_ = nullptr;
  kui_TScrollBar* bar_ = nullptr;
};

TEST_F(ScrollBarTest, TheThumbShowsTheVisibleShare) {
  EXPECT_FLOAT_EQ(bar_->gUnit, 0.5f);
  EXPECT_FLOAT_EQ(bar_->gLength, 25);
  EXPECT_FLOAT_EQ(bar_->gStart, 35);
  bar_->SetValue(500);
  EXPECT_EQ(bar_->GetValue(), 150);
  EXPECT_FLOAT_EQ(bar_->gStart, 35 + 75);
  bar_->SetRange(1000);  // everything visible
  EXPECT_EQ(bar_->GetValue(), 0);
  EXPECT_FLOAT_EQ(bar_->gLength, 100);
}

TEST_F(ScrollBarTest, ArrowsAndTrackStepOnRelease) {
  Click(15, 135);  // the lower arrow
  EXPECT_EQ(bar_->GetValue(), 5);
  Click(15, 120);  // the track after the thumb
  EXPECT_EQ(bar_->GetValue(), 55);
  Click(15, 36);  // the track before the thumb
  EXPECT_EQ(bar_->GetValue(), 5);
  Click(15, 21);  // the upper arrow
  EXPECT_EQ(bar_->GetValue(), 0);
  Click(15, 21);
  EXPECT_EQ(bar_->GetValue(), 0);
}

TEST_F(ScrollBarTest, DraggingTheThumbFollowsTheMouse) {
  Press(15, 40);  // 5 pixels into the thumb at 35
  MoveTo(15, 60);
  EXPECT_FLOAT_EQ(bar_->gStart, 55);
  EXPECT_EQ(bar_->GetValue(), 40);
  MoveTo(15, 500);
  EXPECT_EQ(bar_->GetValue(), 150);
  EXPECT_FLOAT_EQ(bar_->gStart, 20 + 130 - (25 + 15));
  MoveTo(15, 0);
  EXPECT_EQ(bar_->GetValue(), 0);
  Release(15, 0);
  EXPECT_EQ(bar_->gPart, kui_TScrollBar::NO_PART);
}

TEST_F(ScrollBarTest, TheWheelScrollsOnlyWhileOverTheBar) {
  MoveTo(15, 80);
  input_.z = -3;  // turned towards the user
  Frame();
  EXPECT_EQ(bar_->GetValue(), 5);
  MoveTo(400, 400);
  input_.z = -10;
  Frame();
  MoveTo(15, 80);
  EXPECT_EQ(bar_->GetValue(), 5);
  input_.z = -9;
  Frame();
  EXPECT_EQ(bar_->GetValue(), 0);
}

}  // namespace
