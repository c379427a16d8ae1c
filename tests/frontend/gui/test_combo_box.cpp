#include "frontend/gui/button.h"
#include "frontend/gui/combo_box.h"
#include "frontend/gui/combo_menu.h"
#include "frontend/gui/panel.h"
#include "frontend/gui/table.h"
#include "gui_fixture.h"

namespace {

// A 120 x 20 box; its menu rows are 20 high (22 apart) inside a 5-pixel border.
class ComboBoxTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    kui_TScreen* screen = kui_TScreen::Create("screen", "");
    panel_ = kui_TPanel::Create("pan", 0, 0, 800, 600, nullptr);
    screen->AddPanel(panel_);
    kui_ShowScreen(screen, 0);
  }
  kui_TComboBox* MakeBox(float y) {
    kui_TComboBox* box = kui_TComboBox::Create("cmb", "Choose", 100, y, 120, 20, 0, 0, 0, panel_);
    box->AddItem("one", 10, std::string("first"));
    box->AddItem("two", 20, std::string("second"));
    box->AddItem("three", 30);
    Drain();
    return box;
  }
  kui_TPanel* panel_ = nullptr;
};

TEST_F(ComboBoxTest, TheMenuOpensBelowAndSizesToItsRows) {
  kui_TComboBox* box = MakeBox(100);
  EXPECT_EQ(box->gMenu->gName, "cmb:Menu");
  EXPECT_EQ(box->gMenu->gTable->gName, "cmb:Menu:Table");
  EXPECT_EQ(box->gMenu->gH, 3 * 22 + 8);
  Click(150, 110);
  EXPECT_EQ(box->gMenu->gHidden, 0);
  EXPECT_EQ(box->gMenu->gX, 100);
  EXPECT_EQ(box->gMenu->gY, 122);
  const auto events = Drain();
  EXPECT_EQ(Names(events), (std::vector<std::string>{"13:cmb:Menu", "13:cmb"}));
  EXPECT_EQ(events[1].gData, 1);
  EXPECT_EQ(kui_GUI::GetActiveGadget(), nullptr);
}

TEST_F(ComboBoxTest, NearTheBottomTheMenuOpensAboveTheBox) {
  kui_TComboBox* box = MakeBox(560);
  Click(150, 570);
  EXPECT_EQ(box->gMenu->gY, 560 - 2 - (3 * 22 + 8));
  // The same box fits below in a taller window.
  box->Close();
  kui_GUI::SetRes(800, 768, 0);
  Click(150, 570);
  EXPECT_EQ(box->gMenu->gY, 582);
}

TEST_F(ComboBoxTest, ChoosingARowSelectsItAndClosesTheMenu) {
  kui_TComboBox* box = MakeBox(100);
  Click(150, 110);
  Drain();
  // Row 1 of the menu: menu top 122, table at +5, rows 22 apart.
  Click(150, 122 + 5 + 22 + 5);
  EXPECT_EQ(box->gMenu->gHidden, 1);
  EXPECT_EQ(box->SelectedItem(), 1);
  EXPECT_EQ(box->gText, "two");
  const auto events = Drain();
  EXPECT_EQ(Names(events), (std::vector<std::string>{"12:cmb:Menu:Table", "14:cmb:Menu", "12:cmb", "12:cmb:Menu"}));
  EXPECT_EQ(events[2].gData, 20);
  EXPECT_EQ(events[2].gY, 1);
  EXPECT_EQ(std::any_cast<std::string>(events[2].gExtra), "second");
}

TEST_F(ComboBoxTest, AnOpenMenuBlocksTheScreenAndAPressElsewhereClosesIt) {
  kui_TComboBox* box = MakeBox(100);
  kui_TButton* button = kui_TButton::Create("btn", "B", 400, 400, 50, 20, panel_);
  Click(150, 110);
  Drain();
  MoveTo(410, 410);
  EXPECT_EQ(button->gState, kui_TGadget::IDLE_STATE);
  Press(410, 410);
  EXPECT_EQ(box->gMenu->gHidden, 1);
  const auto events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].gID, KUI_EVENT_GADGETCLOSE);
  EXPECT_EQ(events[0].gSource, box->gMenu);
  // The press that closed the menu is spent: the button below does not take it.
  Release(410, 410);
  EXPECT_TRUE(Drain().empty());
  EXPECT_EQ(box->SelectedItem(), -1);
  EXPECT_EQ(box->gText, "Choose");
  Click(410, 410);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:btn", "12:btn"}));
}

TEST_F(ComboBoxTest, ClickingTheBoxOfAnOpenMenuClosesIt) {
  kui_TComboBox* box = MakeBox(100);
  Click(150, 110);
  ASSERT_EQ(box->gMenu->gHidden, 0);
  Click(150, 110);
  EXPECT_EQ(box->gMenu->gHidden, 1);
}

TEST_F(ComboBoxTest, SelectingByCodeUpdatesTheBoxAndIgnoresBadIndexes) {
  kui_TComboBox* box = MakeBox(100);
  box->SelectItem(7);
  EXPECT_TRUE(Drain().empty());
  box->SelectData(30);
  EXPECT_EQ(box->SelectedItem(), 2);
  EXPECT_EQ(box->SelectedText(), "three");
  EXPECT_EQ(box->SelectedData(), 30);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"12:cmb:Menu", "12:cmb"}));
  box->SelectData(99);
  EXPECT_EQ(box->SelectedItem(), 2);
  box->ClearItems();
  EXPECT_EQ(box->CountItems(), 0);
  EXPECT_EQ(box->gText, "Choose");
  const auto events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].gY, -1);
}

}  // namespace
