#include <any>

#include "frontend/gui/button.h"
#include "frontend/gui/combo_box.h"
#include "frontend/gui/panel.h"
#include "gui_fixture.h"

namespace {

class FrameTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    screen_ = kui_TScreen::Create("screen_test", "menus");
    below_ = kui_TPanel::Create("pan_below", 0, 0, 300, 300, nullptr);
    above_ = kui_TPanel::Create("pan_above", 100, 100, 300, 300, nullptr);
    lower_ = kui_TButton::Create("btn_lower", "Lower", 50, 80, 100, 50, below_);
    upper_ = kui_TButton::Create("btn_upper", "Upper", 0, 0, 100, 50, above_);
    screen_->AddPanel(below_);
    screen_->AddPanel(above_);
    kui_ShowScreen(screen_, 0);
  }
  kui_TScreen* screen_ = nullptr;
  kui_TPanel *below_ = nullptr, *above_ = nullptr;
  kui_TButton *lower_ = nullptr, *upper_ = nullptr;
};

TEST_F(FrameTest, OnlyThePanelOnTopTakesThePress) {
  // Both buttons lie under (120, 110); the panel later in the screen is drawn on top.
  Click(120, 110);
  const auto events = Drain();
  EXPECT_EQ(Names(events), (std::vector<std::string>{"11:btn_upper", "12:btn_upper"}));
  EXPECT_EQ(lower_->gState, kui_TGadget::IDLE_STATE);
}

TEST_F(FrameTest, APanelBelowTakesTheMouseWhereTheTopOneIsNot) {
  Click(60, 90);  // btn_lower, outside pan_above
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:btn_lower", "12:btn_lower"}));
}

TEST_F(FrameTest, APressReleasedOutsideStillEndsWithARelease) {
  Press(120, 110);
  Drain();
  EXPECT_EQ(kui_GUI::GetActiveGadget(), upper_);
  MoveTo(700, 500);  // dragged away, still held: the button keeps the mouse
  EXPECT_EQ(upper_->gState, kui_TGadget::MOUSEDOWN_STATE);
  Release(700, 500);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"12:btn_upper"}));
  EXPECT_EQ(kui_GUI::GetActiveGadget(), nullptr);
}

TEST_F(FrameTest, APopUpIsUpdatedAndBlocksTheScreenBelow) {
  kui_TPanel* popup = kui_TPanel::Create("pan_popup", 500, 400, 200, 100, nullptr);
  kui_TButton* yes = kui_TButton::Create("btn_yes", "Yes", 10, 10, 80, 20, popup);
  kui_GUI::OpenPopUp("pan_popup");
  Click(150, 120);
  EXPECT_TRUE(Drain().empty());
  Click(520, 420);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:btn_yes", "12:btn_yes"}));
  // Closing matches the name exactly.
  kui_GUI::ClosePopUp("PAN_POPUP");
  EXPECT_EQ(kui_GUI::PopUps().size(), 1u);
  kui_GUI::ClosePopUp("pan_popup");
  Click(150, 120);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:btn_upper", "12:btn_upper"}));
  (void)yes;
}

TEST_F(FrameTest, AMissingPopUpPanelOpensNothing) {
  kui_GUI::OpenPopUp("pan_missing");
  EXPECT_TRUE(kui_GUI::PopUps().empty());
}

TEST_F(FrameTest, TheFirstGadgetUnderTheMouseReportsMouseOverEachFrame) {
  MoveTo(130, 125);
  MoveTo(131, 125);
  const auto events = Drain(true);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].gID, KUI_EVENT_MOUSEOVER);
  EXPECT_EQ(events[0].gSource, upper_);
  EXPECT_EQ(events[0].gX, 30);
  EXPECT_EQ(events[0].gY, 25);
  EXPECT_EQ(kui_GUI::CursorIndex(), 1);
  MoveTo(790, 590);
  EXPECT_EQ(kui_GUI::CursorIndex(), 0);
}

TEST_F(FrameTest, ShowScreenPostsSetScreenOnlyWhenAsked) {
  kui_TScreen* other = kui_TScreen::Create("screen_other", "");
  kui_ShowScreen("SCREEN_OTHER", 0);
  EXPECT_EQ(kui_CurrentScreenName(), "screen_other");
  EXPECT_TRUE(Drain().empty());
  kui_ShowScreen(screen_, 1);
  const auto events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].gID, KUI_EVENT_SETSCREEN);
  EXPECT_EQ(events[0].gSource, nullptr);
  EXPECT_EQ(std::any_cast<kui_TScreen*>(events[0].gExtra), screen_);
  // A missing screen leaves the current one.
  kui_ShowScreen("screen_missing", 1);
  EXPECT_EQ(kui_GUI::CurrentScreen(), screen_);
  EXPECT_TRUE(Drain().empty());
  (void)other;
}

TEST_F(FrameTest, HiddenPanelsTakeNoInputAndHideAndShowPostEvents) {
  kui_HidePanel("pan_above");
  Click(120, 110);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"15:pan_above", "11:btn_lower", "12:btn_lower"}));
  kui_ShowPanel("pan_above");
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"16:pan_above"}));
}

TEST_F(FrameTest, AWindowOf1024By768MovesEveryPanelIntoTheMiddle) {
  kui_TPanel* nested = kui_TPanel::Create("pan_nested", 10, 20, 50, 50, below_);
  kui_SetResolution(1024, 768);
  EXPECT_EQ(kui_GUI::ScreenWidth(), 1024);
  EXPECT_EQ(below_->gX, 112);
  EXPECT_EQ(below_->gY, 84);
  EXPECT_EQ(above_->gX, 212);
  EXPECT_EQ(above_->gY, 184);
  // A nested panel moves with its parent and keeps its place inside it.
  EXPECT_EQ(nested->gX, 10);
  EXPECT_EQ(nested->gY, 20);
  Click(112 + 150, 84 + 120);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:btn_upper", "12:btn_upper"}));
}

TEST_F(FrameTest, SmallerWindowsLeaveThePanelsInPlace) {
  kui_SetResolution(800, 500);
  EXPECT_EQ(below_->gX, 0);
  EXPECT_EQ(below_->gY, 0);
}

TEST_F(FrameTest, EventsDescribeThemselves) {
  kui_PostEvent(KUI_EVENT_GADGETSELECT, upper_, 3, 4, 5);
  kui_PostEvent(99, nullptr, 0, 0, 0);
  kui_PollEvent();
  kui_TEvent first;
  first.gID = kui_EventID();
  first.gSource = kui_EventSource();
  first.gData = kui_EventData();
  first.gX = kui_EventX();
  first.gY = kui_EventY();
  EXPECT_EQ(first.ToString(), "Event: GadgetSelect Data: 3 X: 4 Y: 5 Source: btn_upper");
  kui_PollEvent();
  kui_TEvent second;
  second.gID = kui_EventID();
  EXPECT_EQ(second.ToString(), "Event: Unknown Event: 99 Data: 0 X: 0 Y: 0 Source: External Source");
  EXPECT_EQ(kui_PollEvent(), 0);
  EXPECT_EQ(kui_EventSource(), nullptr);
}

TEST_F(FrameTest, TheSystemPointerShowsOnlyForTheNormalCursorWhenAllowed) {
  kui_GUI::SystemCursor(1);
  MoveTo(790, 590);
  EXPECT_EQ(input_.pointerShown, 1);
  MoveTo(130, 125);  // over a button: the skin's own cursor
  EXPECT_EQ(input_.pointerShown, 0);
}

}  // namespace
