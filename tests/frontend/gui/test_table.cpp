#include "frontend/gui/panel.h"
#include "frontend/gui/scroll_bar.h"
#include "frontend/gui/table.h"
#include "gui_fixture.h"

namespace {

// A table at (10, 10) with rows 20 high (22 apart) under a heading row: 123 high leaves
// 100 pixels for the rows and the scroll bar.
class TableTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    kui_TScreen* screen = kui_TScreen::Create("screen", "");
    panel_ = kui_TPanel::Create("pan", 0, 0, 800, 600, nullptr);
    screen->AddPanel(panel_);
    kui_ShowScreen(screen, 0);
    table_ = kui_TTable::Create("tbl", 10, 10, 123, "Name", 100, nullptr, 0, 20, 1, panel_);
  }
  void AddRows(int count) {
    for (int i = 0; i < count; ++i) table_->AddItem({"row" + std::to_string(i), "b" + std::to_string(i)}, 100 + i);
  }
  std::vector<int> Widths() const {
    std::vector<int> widths;
    for (const auto& column : table_->gColumns) widths.push_back(column->GetWidth());
    return widths;
  }
  kui_TPanel* panel_ = nullptr;
  kui_TTable* table_ = nullptr;
};

TEST_F(TableTest, TheScrollBarAppearsOnlyWhenTheRowsDoNotFit) {
  table_->AddColumn(60, "", nullptr, 0, 0);
  table_->AddColumn(40, "", nullptr, 0, 0);
  EXPECT_EQ(table_->gScroll->gName, "tbl:Scroll");
  EXPECT_EQ(table_->gScroll->gParent, panel_);
  AddRows(4);
  EXPECT_EQ(table_->gScroll->GetMax(), 86);
  EXPECT_EQ(table_->gScroll->GetRange(), 100);
  EXPECT_EQ(table_->gScroll->gHidden, 1);
  EXPECT_EQ(Widths(), (std::vector<int>{100, 60, 40}));
  EXPECT_EQ(table_->gW, 206);
  AddRows(6);
  EXPECT_EQ(table_->gScroll->GetMax(), 218);
  EXPECT_EQ(table_->gScroll->gHidden, 0);
  EXPECT_EQ(Widths(), (std::vector<int>{94, 54, 34}));
  EXPECT_EQ(table_->gW, 206 - 18);
  // The bar ends where the unreduced columns would.
  EXPECT_EQ(table_->gScroll->gX, 10 + 206 - 15);
  EXPECT_EQ(table_->gScroll->gY, 10 + 23);
  table_->ClearItems();
  EXPECT_EQ(table_->gScroll->gHidden, 1);
  EXPECT_EQ(table_->SelectedItem(), -1);
}

TEST_F(TableTest, FourColumnsLoseFiveFiveFourFourFromTheLeft) {
  for (int i = 0; i < 3; ++i) table_->AddColumn(50, "", nullptr, 0, 0);
  AddRows(10);
  EXPECT_EQ(Widths(), (std::vector<int>{95, 45, 46, 46}));
}

TEST_F(TableTest, AColumnWithoutWidthTakesNoShare) {
  for (int i = 0; i < 3; ++i) table_->AddColumn(50, "", nullptr, 0, 0);
  table_->AddColumn(0, "", nullptr, 0, 0);
  AddRows(10);
  EXPECT_EQ(Widths(), (std::vector<int>{95, 45, 46, 46, 0}));
}

TEST_F(TableTest, EachFrameOfWheelMovementScrollsOneRow) {
  AddRows(10);
  MoveTo(50, 60);
  input_.z -= 5;  // however far it turned
  Frame();
  EXPECT_EQ(table_->gScroll->GetValue(), 22);
  EXPECT_EQ(table_->gOY, -22);
  input_.z -= 1;
  Frame();
  EXPECT_EQ(table_->gScroll->GetValue(), 44);
  Frame();  // no movement
  EXPECT_EQ(table_->gScroll->GetValue(), 44);
  input_.z += 2;
  Frame();
  EXPECT_EQ(table_->gScroll->GetValue(), 22);
  // Elsewhere the wheel scrolls nothing, and coming back does not catch up.
  MoveTo(600, 500);
  input_.z -= 7;
  Frame();
  MoveTo(50, 60);
  EXPECT_EQ(table_->gScroll->GetValue(), 22);
}

TEST_F(TableTest, ReleasingOverARowSelectsItWithItsCell) {
  table_->AddColumn(60, "", nullptr, 0, 0);
  AddRows(3);
  Drain();
  // Row 1 spans y 10 + 22 + 22 .. +20; the second column starts at x 10 + 103.
  Click(120, 60);
  const auto events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].gID, KUI_EVENT_GADGETSELECT);
  EXPECT_EQ(events[0].gData, 101);
  EXPECT_EQ(events[0].gX, 1);
  EXPECT_EQ(events[0].gY, 1);
  EXPECT_EQ(std::any_cast<std::string>(events[0].gExtra), "b1");
  EXPECT_EQ(table_->SelectedItem(), 1);
  EXPECT_EQ(table_->GetText(kui_TTable::SELECTED_ROW, 0), "row1");
}

TEST_F(TableTest, AReleaseBelowTheLastRowSelectsNothing) {
  AddRows(2);
  table_->SelectItem(0);
  Drain();
  Click(50, 110);  // inside the table, under both rows
  EXPECT_TRUE(Drain().empty());
  EXPECT_EQ(table_->SelectedItem(), 0);
  Click(50, 20);  // the heading row
  EXPECT_TRUE(Drain().empty());
}

TEST_F(TableTest, ScrolledRowsAreFoundWhereTheyAreDrawn) {
  AddRows(10);
  table_->ShowItem(3);
  EXPECT_EQ(table_->gScroll->GetValue(), 66);
  Frame();
  Click(50, 10 + 22 + 5);  // the first visible row
  EXPECT_EQ(table_->SelectedItem(), 3);
  table_->ShowItem(9);  // clamped: the last rows fill the view
  EXPECT_EQ(table_->gScroll->GetValue(), 218 - 100);
  table_->ShowItem(-1);
  EXPECT_EQ(table_->gScroll->GetValue(), 0);
}

TEST_F(TableTest, RowsArePaddedAndArgumentsOutsideTheTableIgnored) {
  table_->AddColumn(60, "", nullptr, 0, 0);
  table_->AddItem({"only"}, 7);
  table_->AddItem({"a", "b", "c"}, 8);
  EXPECT_EQ(table_->GetAllText(0), (std::vector<std::string>{"only", ""}));
  EXPECT_EQ(table_->GetAllText(1), (std::vector<std::string>{"a", "b"}));
  table_->SetText(5, 0, "x");
  table_->SetText(0, 9, "x");
  table_->SetColumnWidth(9, 10);
  EXPECT_EQ(table_->GetText(5, 0), "");
  EXPECT_EQ(table_->GetData(5), 0);
  EXPECT_EQ(table_->FindData(8), 1);
  EXPECT_EQ(table_->FindData(8, 2), -1);
  table_->SelectItem(7);
  EXPECT_EQ(table_->SelectedItem(), -1);
  table_->SelectItem(1);
  table_->RemoveItem(0);
  EXPECT_EQ(table_->SelectedItem(), 0);
  EXPECT_EQ(table_->GetText(kui_TTable::SELECTED_ROW, 0), "a");
}

TEST_F(TableTest, CentredColumnsPlaceTheirTexts) {
  table_->AddItem({"abcd"}, 0);  // 48 pixels
  table_->CentreColumn(0, 126);
  EXPECT_EQ(table_->gColumns[0]->gHeading, "@Name");  // no language file loaded
  EXPECT_EQ(table_->gColumns[0]->gX, 50 - 30);
  EXPECT_EQ(table_->gItems[0]->gX[0], 50 - 24);
}

TEST_F(TableTest, TheScrollBarMovesWithTheTable) {
  AddRows(10);
  table_->MoveGadget(20, 30);
  EXPECT_EQ(table_->gScroll->gX, 30 + 100 - 15);
  EXPECT_EQ(table_->gScroll->gY, 40 + 23);
}

TEST_F(TableTest, HidingTheTableHidesItsScrollBar) {
  AddRows(10);
  table_->Hide();
  EXPECT_EQ(table_->gScroll->gHidden, 1);
  table_->AddItem({"more"}, 0);
  EXPECT_EQ(table_->gScroll->gHidden, 1);
  table_->Show();
  EXPECT_EQ(table_->gScroll->gHidden, 0);
}

}  // namespace
