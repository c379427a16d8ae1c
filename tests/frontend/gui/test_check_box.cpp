#include "frontend/gui/check_box.h"
#include "frontend/gui/panel.h"
#include "gui_fixture.h"

namespace {

using CheckBoxTest = PanelGuiTest;

TEST_F(CheckBoxTest, ARightAlignedBoxEndsAtItsXWithTheCaptionBeforeIt) {
  // "abcde" is 60 pixels wide.
  kui_TCheckBox* box = kui_TCheckBox::Create("chk", "abcde", 300, 50, kui_TCheckBox::RIGHT_ALIGN, panel_);
  EXPECT_EQ(box->gImgX, 285);
  EXPECT_EQ(box->gCapX, 220);
  EXPECT_EQ(box->gX, 220);
  EXPECT_EQ(box->gW, 15 + 5 + 60);
  box->MoveGadget(10, 0);
  EXPECT_EQ(box->gImgX, 295);
  EXPECT_EQ(box->gX, 230);
  box->SetAlign(kui_TCheckBox::LEFT_ALIGN);
  EXPECT_EQ(box->gImgX, 310);
  EXPECT_EQ(box->gCapX, 330);
  EXPECT_EQ(box->gX, 310);
}

TEST_F(CheckBoxTest, SetStatePostsNothingAndAClickTogglesWithAnEvent) {
  kui_TCheckBox* box = kui_TCheckBox::Create("chk", "abcde", 300, 50, kui_TCheckBox::RIGHT_ALIGN, panel_);
  box->SetState(1);
  EXPECT_TRUE(Drain().empty());
  Click(225, 55);  // on the caption, which belongs to the box
  auto events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].gID, KUI_EVENT_GADGETACTION);
  EXPECT_EQ(events[0].gData, 0);
  EXPECT_EQ(box->GetState(), 0);
  Click(290, 55);
  events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].gData, 1);
}

}  // namespace
