// What the gadgets draw, read back from a real OpenGL context (offscreen).
#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/gui/button.h"
#include "frontend/gui/check_box.h"
#include "frontend/gui/combo_box.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/label.h"
#include "frontend/gui/progress_bar.h"
#include "frontend/gui/scroll_bar.h"
#include "frontend/gui/slider.h"
#include "frontend/gui/text_field.h"
#include "frontend/gui/panel.h"
#include "frontend/gui/table.h"
#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/pixmap_codecs.h"
#include "platform/render_driver.h"
#include "support/temp_folder.h"

namespace {

class DrawingTest : public testing::Test {
 protected:
  void SetUp() override {
    SetHeadlessGraphics(false);
    if (!Graphics(200, 150) || RenderDriver().Headless()) GTEST_SKIP() << "no OpenGL context here";
    kui_GUI::Reset();
    // A panel picture whose nine 5 x 5 tiles each have their own red: 10 + 25 x tile.
    TPixmap slices(15, 15, kPixelRGBA8888);
    for (int y = 0; y < 15; ++y) {
      for (int x = 0; x < 15; ++x) {
        const uint32_t red = uint32_t(10 + 25 * ((y / 5) * 3 + x / 5));
        slices.WritePixel(x, y, 0xFF000000u | red << 16);
      }
    }
    std::filesystem::create_directories(folder_.path() + "Skin/graphics");
    SavePixmapPNG(slices, folder_ / "Skin/graphics/panel.png");
    kui_GUI::LoadSkin(folder_.path() + "Skin");
  }
  void TearDown() override {
    kui_GUI::Reset();
    EndGraphics();
    SetHeadlessGraphics(true);
  }
  TempFolder folder_{};
  // Every skin picture, plain grey, at the size its gadget cuts it by.
  void WriteWholeSkin() {
    const struct {
      const char* name;
      int w, h;
    } pictures[] = {{"button", 15, 15},     {"textfield", 15, 15},  {"search", 12, 12},
                    {"combobox", 15, 15},   {"combobox arrow", 8, 8}, {"menu", 15, 15},
                    {"scrollback", 15, 15}, {"scrollup", 15, 15},   {"scrolldown", 15, 15},
                    {"scrollleft", 15, 15}, {"scrollright", 15, 15}, {"vscrollbar", 15, 7},
                    {"hscrollbar", 7, 15},  {"checkbox", 30, 15},   {"progress", 15, 15},
                    {"cursors/normal", 8, 8}};
    for (const auto& p : pictures) {
      TPixmap pixmap(p.w, p.h, kPixelRGBA8888);
      pixmap.ClearPixels(0xFF808080u);
      std::filesystem::create_directories(folder_.path() + "Skin/graphics/cursors");
      SavePixmapPNG(pixmap, folder_ / ("Skin/graphics/" + std::string(p.name) + ".png"));
    }
    kui_GUI::LoadSkin(folder_.path() + "Skin");
  }
  int RedAt(const TPixmap& shot, int x, int y) const { return int((shot.ReadPixel(x, y) >> 16) & 0xFF); }
};

TEST_F(DrawingTest, APanelIsDrawnFromNineSlices) {
  kui_TPanel* panel = kui_TPanel::Create("pan", 10, 10, 60, 40, nullptr);
  SetClsColor(0, 0, 0);
  Cls();
  panel->Render(0, 0);
  const TPixmap shot = GrabPixmap(0, 0, 200, 150);
  struct TProbe {
    int x, y, tile;
  };
  for (const TProbe p : {TProbe{12, 12, 0}, TProbe{40, 12, 1}, TProbe{67, 12, 2}, TProbe{12, 30, 3},
                         TProbe{40, 30, 4}, TProbe{67, 30, 5}, TProbe{12, 47, 6}, TProbe{40, 47, 7},
                         TProbe{67, 47, 8}}) {
    EXPECT_NEAR(RedAt(shot, p.x, p.y), 10 + 25 * p.tile, 2) << p.x << "," << p.y;
  }
  EXPECT_EQ(RedAt(shot, 75, 30), 0);  // nothing outside
  // Without a border the centre tile covers it all.
  panel->BorderOff();
  Cls();
  panel->Render(0, 0);
  const TPixmap flat = GrabPixmap(0, 0, 200, 150);
  EXPECT_NEAR(RedAt(flat, 12, 12), 110, 2);
}

TEST_F(DrawingTest, GadgetAlphaReachesTheDrawingAndIsNotChangedByDrawing) {
  WriteWholeSkin();
  kui_TPanel* panel = kui_TPanel::Create("pan", 10, 10, 60, 40, nullptr);
  kui_TCheckBox* check = kui_TCheckBox::Create("chk", "", 100, 10, 0, nullptr);
  panel->SetAlpha(0.5f);
  check->SetAlpha(0.75f);
  check->gTextAlpha = 0.25f;
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(kBlendAlpha);
  panel->Render(0, 0);
  check->Render(0, 0);
  const TPixmap shot = GrabPixmap(0, 0, 200, 150);
  // The centre tile (red 110) at half alpha over black.
  EXPECT_NEAR(RedAt(shot, 40, 30), 55, 2);
  EXPECT_FLOAT_EQ(panel->gAlpha, 0.5f);
  EXPECT_FLOAT_EQ(check->gAlpha, 0.75f);
}

TEST_F(DrawingTest, TheSelectedRowIsFilledInTheSelectionColour) {
  kui_TTable* table = kui_TTable::Create("tbl", 20, 20, 100, "", 80, nullptr, 0, 20, 0, nullptr);
  table->AddItem({"a"});
  table->AddItem({"b"});
  table->SelectItem(1);
  table->SetColour(0, 0, 200, kui_TTable::SELECTION_SET);
  table->SetColour(200, 0, 0, kui_TTable::ROWS_SET);
  SetClsColor(0, 0, 0);
  Cls();
  table->Render(0, 0);
  const TPixmap shot = GrabPixmap(0, 0, 200, 150);
  EXPECT_EQ(shot.ReadPixel(90, 22) & 0xFFFFFF, 0xC80000u);  // row 0
  EXPECT_EQ(shot.ReadPixel(90, 44) & 0xFFFFFF, 0x0000C8u);  // row 1, 22 lower
  EXPECT_EQ(shot.ReadPixel(90, 41) & 0xFFFFFF, 0u);         // the 2-pixel gap between rows
  EXPECT_EQ(shot.ReadPixel(101, 44) & 0xFFFFFF, 0u);        // past the column
}

TEST_F(DrawingTest, EveryGadgetDrawsWhereItStands) {
  WriteWholeSkin();
  kui_GUI::SetRes(200, 150, 0);
  kui_TScreen* screen = kui_TScreen::Create("screen", "");
  kui_TPanel* panel = kui_TPanel::Create("pan", 0, 0, 200, 150, nullptr);
  panel->BackgroundOff();
  screen->AddPanel(panel);
  kui_ShowScreen(screen, 0);
  kui_TButton::Create("btn", "", 5, 5, 40, 20, panel);
  kui_TTextField::Create("txt", "", 50, 5, 40, 20, 1, panel);
  kui_TCheckBox::Create("chk", "", 100, 5, 0, panel);
  kui_TProgressBar::Create("prg", "", 130, 5, 40, 20, panel);
  kui_TScrollBar::Create("scr", 5, 40, 80, 0, 10, 5, panel);
  kui_TSlider::Create("sld", 30, 40, 100, 1, 0, 10, 1, panel);
  kui_TComboBox* combo = kui_TComboBox::Create("cmb", "", 30, 70, 60, 20, 0, 0, 0, panel);
  combo->AddItem("x", 1);
  combo->Open(30, 92);
  SetClsColor(0, 0, 0);
  Cls();
  kui_GUI::Refresh();
  const TPixmap shot = GrabPixmap(0, 0, 200, 150);
  struct TProbe {
    const char* what;
    int x, y;
  };
  for (const TProbe p : {TProbe{"button", 25, 15}, TProbe{"text field", 60, 15}, TProbe{"search icon", 83, 13},
                         TProbe{"check box", 107, 12}, TProbe{"progress bar", 150, 15},
                         TProbe{"scroll bar arrow", 12, 47}, TProbe{"scroll bar thumb", 12, 60},
                         TProbe{"slider thumb", 33, 47}, TProbe{"combo box", 50, 80},
                         TProbe{"combo menu", 33, 100}}) {
    EXPECT_NE(shot.ReadPixel(p.x, p.y) & 0xFFFFFF, 0u) << p.what;
  }
  EXPECT_EQ(shot.ReadPixel(190, 140) & 0xFFFFFF, 0u);
}

}  // namespace
