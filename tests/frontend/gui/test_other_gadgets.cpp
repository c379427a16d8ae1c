#include "frontend/gui/button.h"
#include "frontend/gui/canvas.h"
#include "frontend/gui/date.h"
#include "frontend/gui/group.h"
#include "frontend/gui/panel.h"
#include "frontend/gui/progress_bar.h"
#include "frontend/gui/scroll_bar.h"
#include "frontend/gui/scroll_box.h"
#include "frontend/gui/search_box.h"
#include "frontend/gui/table.h"
#include "frontend/gui/text_field.h"
#include "gui_fixture.h"

namespace {

using OtherGadgetsTest = PanelGuiTest;

TEST_F(OtherGadgetsTest, ADateBoxOffersTheDaysOfItsMonth) {
  EXPECT_EQ(kui_DaysInMonth(2024, 2), 29);
  EXPECT_EQ(kui_DaysInMonth(1900, 2), 28);
  EXPECT_EQ(kui_DaysInMonth(2000, 2), 29);
  kui_TDate* date = kui_TDate::Create("dat", 100, 100, 120, 20, 2020, 2025, panel_);
  date->SetDate(2030, 2, 31);
  EXPECT_EQ(date->GetDate(), 20250228);
  date->SetDate(2024, 2, 1);
  EXPECT_EQ(date->GetText(), "2024-02-01");
  // 1 February 2024 was a Thursday: the first week has four days.
  EXPECT_EQ(date->gPanel->gDays->GetAllText(0), (std::vector<std::string>{"", "", "", "1", "2", "3", "4"}));
  EXPECT_EQ(date->gPanel->gDays->CountItems(), 5);
  Drain();
  Click(150, 110);
  EXPECT_EQ(date->gPanel->gHidden, 0);
  EXPECT_EQ(date->gPanel->gY, 122);
  Drain();
  // Day 15 is row 2, column 3 of the table at (105, 152).
  Click(105 + 3 * 27 + 5, 152 + 2 * 22 + 5);
  EXPECT_EQ(date->GetDate(), 20240215);
  EXPECT_EQ(date->gPanel->gHidden, 1);
  const auto events = Drain();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().gID, KUI_EVENT_GADGETSELECT);
  EXPECT_EQ(events.back().gSource, date);
  EXPECT_EQ(events.back().gData, 20240215);
}

TEST_F(OtherGadgetsTest, ASearchBoxSearchesTheTypedTextAndOffersNone) {
  kui_TSearchBox* box = kui_TSearchBox::Create("sch", "Nobody", 100, 100, 120, 20, 200, 150, 20, 1, panel_);
  std::string searched;
  box->SetSearchFunction([&](kui_TSearchBox& b, const std::string& text) {
    searched = text;
    b.ClearResults();
    b.AddResult(text + " one", 1);
    b.AddResult(text + " two", 2, std::string("extra"));
  });
  Click(150, 110);
  ASSERT_EQ(box->gPanel->gHidden, 0);
  Click(150, 122 + 10);  // the search field
  Type("ab");
  Key(13);
  EXPECT_EQ(searched, "ab");
  ASSERT_EQ(box->gPanel->gResults->CountItems(), 2);
  Drain();
  Click(150, 122 + 30 + 22 + 5);  // the second result
  EXPECT_EQ(box->gText, "ab two");
  EXPECT_EQ(box->gData, 2);
  EXPECT_EQ(box->gPanel->gHidden, 1);
  const auto events = Drain();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().gSource, box);
  EXPECT_EQ(events.back().gData, 2);
  // "None" goes back to the default text.
  Click(150, 110);
  Click(150, 122 + 150 - 15);
  EXPECT_EQ(box->gText, "Nobody");
  EXPECT_EQ(box->gData, 0);
}

TEST_F(OtherGadgetsTest, AGroupLinesUpItsVisibleChildren) {
  kui_TGroup* group = kui_TGroup::Create("grp", 10, 10, 200, 40, panel_);
  group->gXGap = 5;
  kui_TGadget* a = kui_TButton::Create("a", "", 0, 0, 10, 10, group);
  kui_TGadget* b = kui_TButton::Create("b", "", 0, 0, 20, 10, group);
  kui_TGadget* c = kui_TButton::Create("c", "", 0, 0, 30, 10, group);
  EXPECT_EQ(b->gX, 15);
  EXPECT_EQ(c->gX, 40);
  b->Hide();
  group->Refresh();
  EXPECT_EQ(c->gX, 15);
  group->gXAlign = 2;
  group->Refresh();
  EXPECT_EQ(a->gX, 190);
  EXPECT_EQ(c->gX, 155);
  group->gXAlign = 1;
  group->gYAlign = 1;
  group->Refresh();
  EXPECT_EQ(c->gX, 85);
  EXPECT_EQ(c->gY, 15);
}

TEST_F(OtherGadgetsTest, AScrollBoxMovesItsContentAndHidesWhatIsOutside) {
  kui_TScrollBox* box = kui_TScrollBox::Create("box", 100, 100, 200, 200, panel_);
  box->SetContentSize(400, 400);
  EXPECT_EQ(box->gVScroll->gHidden, 0);
  EXPECT_EQ(box->gHScroll->gHidden, 0);
  kui_TButton::Create("btn_top", "", 10, 10, 50, 20, box->gContent);
  kui_TButton::Create("btn_low", "", 10, 250, 50, 20, box->gContent);
  box->gVScroll->SetValue(100);
  Frame();
  Drain();
  Click(120, 100 + 150 + 5);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:btn_low", "12:btn_low"}));
  Click(120, 100 - 90 + 5);  // where btn_top now lies, outside the box
  EXPECT_TRUE(Drain().empty());
}

TEST_F(OtherGadgetsTest, ProgressBarsClampAndCanvasesPostWhenAsked) {
  kui_TProgressBar* bar = kui_TProgressBar::Create("prg", "Loading", 0, 0, 100, 20, panel_);
  bar->SetValue(140);
  EXPECT_EQ(bar->GetValue(), 100);
  bar->SetValue(-3);
  EXPECT_EQ(bar->GetValue(), 0);
  EXPECT_EQ(Drain().size(), 2u);
  kui_TCanvas* canvas = kui_TCanvas::Create("cnv", 200, 200, 50, 50, panel_);
  int drawn = 0;
  canvas->SetDrawFunction([&](kui_TCanvas&, float x, float y) {
    drawn += 1;
    EXPECT_EQ(x, 200);
    EXPECT_EQ(y, 200);
  });
  Click(210, 210);
  EXPECT_TRUE(Drain().empty());
  canvas->gEvents = 1;
  Click(210, 210);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:cnv", "12:cnv"}));
  EXPECT_EQ(drawn, 4);
}

}  // namespace
