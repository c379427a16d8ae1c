#include "frontend/gui/button.h"
#include "frontend/gui/combo_box.h"
#include "frontend/gui/combo_menu.h"
#include "frontend/gui/label.h"
#include "frontend/gui/panel.h"
#include "frontend/gui/progress_bar.h"
#include "frontend/gui/table.h"
#include "gui_fixture.h"

namespace {

using SkinColoursTest = GuiTest;

TEST_F(SkinColoursTest, PanelsGadgetsTablesAndMenusTakeTheirColours) {
  kui_TPanel* panel = kui_TPanel::Create("pan", 0, 0, 100, 100, nullptr);
  kui_TButton* button = kui_TButton::Create("btn", "B", 0, 0, 10, 10, panel);
  kui_TProgressBar* bar = kui_TProgressBar::Create("prg", "", 0, 0, 10, 10, panel);
  kui_TTable* table = kui_TTable::Create("tbl", 0, 0, 100, "", 50, nullptr, 0, 20, 1, panel);
  table->AddColumn(30, "", nullptr, 0, 0);
  kui_TComboBox* combo = kui_TComboBox::Create("cmb", "", 0, 0, 50, 20, 0, 0, 0, panel);
  kui_SetSkinColours("646464", "0000FF", "FFFF00", 0.75f, "102030");

  EXPECT_EQ(kui_GUI::Tint(), (kui_RGB{0x10, 0x20, 0x30}));
  EXPECT_EQ(panel->gColour, (kui_RGB{100, 100, 100}));
  EXPECT_EQ(panel->gTextColour, (kui_RGB{255, 255, 0}));
  EXPECT_FLOAT_EQ(panel->gAlpha, 0.75f);
  EXPECT_EQ(button->gColour, (kui_RGB{0, 0, 255}));
  EXPECT_EQ(button->gLabel->gColour, (kui_RGB{0, 0, 255}));  // descendants too
  EXPECT_EQ(bar->gTextColour, (kui_RGB{0, 0, 0}));
  for (const auto& column : table->gColumns) {
    EXPECT_EQ(*column->gColour[0], (kui_RGB{90, 90, 90}));
    EXPECT_EQ(*column->gTextColour[0], (kui_RGB{255, 255, 0}));
    EXPECT_FLOAT_EQ(column->gAlpha[0], 0.75f);
  }
  EXPECT_EQ(combo->gColour, (kui_RGB{0, 0, 255}));
  // The open menu floats outside every panel: it is coloured as an extra.
  EXPECT_EQ(combo->gMenu->gColour, (kui_RGB{0, 0, 255}));
  EXPECT_EQ(combo->gMenu->gTextColour, (kui_RGB{255, 255, 0}));
}

}  // namespace
