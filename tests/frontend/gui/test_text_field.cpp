#include "frontend/gui/panel.h"
#include "frontend/gui/text_field.h"
#include "gui_fixture.h"

namespace {

constexpr int kLeft = 37, kRight = 39, kEnd = 35, kHome = 36, kBackspace = 8, kDelete = 46, kEnter = 13, kTab = 9;

// A 100-pixel field at (100, 100) on a panel at the origin; characters are 12 pixels.
class TextFieldTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    kui_TScreen* screen = kui_TScreen::Create("screen", "");
    panel_ = kui_TPanel::Create("pan", 0, 0, 800, 600, nullptr);
    field_ = kui_TTextField::Create("txt_name", "", 100, 100, 100, 20, 0, panel_);
    screen->AddPanel(panel_);
    kui_ShowScreen(screen, 0);
  }
  kui_TPanel* panel_ = nullptr;
  kui_TTextField* field_ = nullptr;
};

TEST_F(TextFieldTest, AClickPutsTheCaretAtTheNearestCharacterBoundary) {
  field_->SetText("abcdef");
  struct TCase {
    int x;
    int caret;
  };
  // The text starts 3 pixels in: boundaries at 103, 115, 127, ...
  for (const TCase c : {TCase{100, 0}, TCase{108, 0}, TCase{109, 1}, TCase{115, 1}, TCase{121, 2}, TCase{171, 6},
                        TCase{180, 6}}) {
    Click(c.x, 110);
    EXPECT_EQ(field_->gCursor, c.caret) << "click at " << c.x;
    EXPECT_EQ(field_->gMode, kui_TTextField::INPUT_MODE);
  }
}

TEST_F(TextFieldTest, TypingScrollsToKeepTheCaretFivePixelsInside) {
  Click(150, 110);
  Type("abcdefghijk");  // 132 pixels in a 100-pixel field
  EXPECT_EQ(field_->GetText(), "abcdefghijk");
  EXPECT_EQ(field_->gCursor, 11);
  EXPECT_EQ(field_->gCX, 132);
  EXPECT_EQ(field_->gTX, 95 - 132);
  // A click on the scrolled text counts from where the text now stands.
  Click(103 + (95 - 132) + 12 * 5 + 2, 110);
  EXPECT_EQ(field_->gCursor, 5);
  // Going home scrolls back only as far as needed.
  Key(kHome);
  EXPECT_EQ(field_->gCursor, 0);
  EXPECT_EQ(field_->gTX, 0);
}

TEST_F(TextFieldTest, KeysMoveTheCaretAndEditAroundIt) {
  Click(150, 110);
  Type("abcd");
  Key(kLeft);
  Key(kLeft);
  Key(kBackspace);
  EXPECT_EQ(field_->GetText(), "acd");
  EXPECT_EQ(field_->gCursor, 1);
  Key(kDelete);
  EXPECT_EQ(field_->GetText(), "ad");
  Key(kEnd);
  Type("\x01" "e");  // control characters are not typed
  EXPECT_EQ(field_->GetText(), "ade");
  Key(kRight);
  EXPECT_EQ(field_->gCursor, 3);
  Key(kHome);
  Key(kLeft);
  Key(kBackspace);
  EXPECT_EQ(field_->gCursor, 0);
  EXPECT_EQ(field_->GetText(), "ade");
}

TEST_F(TextFieldTest, EnterOrTabEndsEditingWithTheText) {
  for (const int key : {kEnter, kTab}) {
    Click(150, 110);
    Drain();
    Type("x");
    Key(key);
    const auto events = Drain();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].gID, KUI_EVENT_GADGETACTION);
    EXPECT_EQ(std::any_cast<std::string>(events[0].gExtra), field_->GetText());
    EXPECT_EQ(field_->gMode, kui_TTextField::IDLE_MODE);
    EXPECT_EQ(kui_GUI::GetActiveGadget(), nullptr);
  }
  EXPECT_EQ(field_->GetText(), "xx");
}

TEST_F(TextFieldTest, StartingToEditDropsKeysTypedBefore) {
  input_.chars.push_back('z');
  Click(150, 110);
  EXPECT_EQ(input_.flushes, 1);
  Frame();
  EXPECT_EQ(field_->GetText(), "");
  Click(150, 110);  // already editing: nothing is flushed again
  EXPECT_EQ(input_.flushes, 1);
}

TEST_F(TextFieldTest, AClickElsewhereEndsEditingWithoutAnEvent) {
  Click(150, 110);
  Type("ab");
  Drain();
  Click(500, 500);
  EXPECT_EQ(field_->gMode, kui_TTextField::IDLE_MODE);
  EXPECT_EQ(kui_GUI::GetActiveGadget(), nullptr);
  EXPECT_TRUE(Drain().empty());
  Type("c");
  EXPECT_EQ(field_->GetText(), "ab");
}

TEST_F(TextFieldTest, SetTextKeepsTheCaretWithinTheText) {
  field_->SetText("abcdef");
  field_->SetCursor(6);
  field_->SetText("ab");
  EXPECT_EQ(field_->gCursor, 2);
  EXPECT_EQ(field_->gCX, 24);
}

}  // namespace
