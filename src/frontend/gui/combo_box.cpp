#include "frontend/gui/combo_box.h"

#include <memory>

#include "frontend/gui/combo_menu.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_images.h"
#include "frontend/gui/table.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/image.h"

namespace {
constexpr const char* kBoxImage = "/graphics/combobox.png";
constexpr const char* kArrowImage = "/graphics/combobox arrow.png";
}  // namespace

kui_TComboBox* kui_TComboBox::Create(const std::string& name, const std::string& text, float x, float y, float w,
                                     float h, int menuWidth, int menuHeight, int rowHeight, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TComboBox* box = kui_GUI::Adopt(std::make_unique<kui_TComboBox>());
  box->PopulateGadget(name, x, y, w, h, parent);
  box->gText = text;
  box->gDefText = text;
  const float mw = menuWidth == 0 ? w : float(menuWidth);
  const float mh = menuHeight == 0 ? 200 : float(menuHeight);
  box->gMenu = kui_TComboMenu::Create(name + ":Menu", x, y + h + 2, mw, mh, rowHeight == 0 ? 20 : rowHeight, box);
  return box;
}

void kui_TComboBox::RefreshSkin() {
  kui_LoadSkinImage(kBoxImage, kui_Cut::NineSlice);
  kui_LoadSkinImage(kArrowImage, kui_Cut::Whole);
}

void kui_TComboBox::SetIconWidth(int width) {
  gIconWidth = width < 0 ? 0 : width;
  gMenu->SetIconWidth(gIconWidth);
}

void kui_TComboBox::UpdateCombo() {
  const kui_TTable* table = gMenu->gTable;
  const int row = table->SelectedItem();
  if (row < 0) {
    gText = gDefText;
    gIcon = nullptr;
  } else {
    gText = table->GetText(row, 0);
    gIcon = table->GetImage(row, 0);
    gIconY = gIcon ? int(gH) / 2 - ImageHeight(gIcon) / 2 : 0;
  }
  kui_PostEvent(KUI_EVENT_GADGETSELECT, this, table->GetData(row), 0, row, table->GetExtra(row));
}

void kui_TComboBox::AddItem(const std::string& text, int data, std::any extra, TImage* icon) {
  gMenu->AddItem(text, data, std::move(extra), icon);
}

void kui_TComboBox::RemoveItem(int index) { gMenu->RemoveItem(index); }

void kui_TComboBox::ClearItems() {
  gMenu->ClearItems();
  UpdateCombo();
}

int kui_TComboBox::CountItems() const { return gMenu->CountItems(); }

void kui_TComboBox::SelectItem(int index) {
  if (index < 0 || index >= CountItems()) return;
  gMenu->SelectItem(index);
  UpdateCombo();
}

void kui_TComboBox::SelectData(int data) {
  const int row = gMenu->gTable->FindData(data, 0);
  if (row >= 0) SelectItem(row);
}

int kui_TComboBox::SelectedItem() const { return gMenu->gTable->SelectedItem(); }
std::string kui_TComboBox::SelectedText() const { return GetText(SELECTED); }
int kui_TComboBox::SelectedData() const { return GetData(SELECTED); }
std::string kui_TComboBox::GetText(int index) const { return gMenu->gTable->GetText(index, 0); }
int kui_TComboBox::GetData(int index) const { return gMenu->gTable->GetData(index); }
std::any kui_TComboBox::GetExtra(int index) const { return gMenu->gTable->GetExtra(index); }
TImage* kui_TComboBox::GetIcon(int index) const { return gMenu->gTable->GetImage(index, 0); }
int kui_TComboBox::GetIconY(int index) const { return gMenu->gTable->GetImageY(index, 0); }
void kui_TComboBox::SetText(int index, const std::string& text) { gMenu->gTable->SetText(index, 0, text); }
void kui_TComboBox::SetExtra(int index, std::any extra) { gMenu->gTable->SetExtra(index, std::move(extra)); }
void kui_TComboBox::SetData(int index, int data) { gMenu->gTable->SetData(index, data); }
void kui_TComboBox::SetIcon(int index, TImage* icon) { gMenu->gTable->SetImage(index, 0, icon); }

void kui_TComboBox::Open(float x, float y) {
  gMenu->Activate(x, y);
  kui_PostEvent(KUI_EVENT_GADGETOPEN, this, 1, 0, 0, static_cast<kui_TGadget*>(gMenu));
}

void kui_TComboBox::Close() {
  gMenu->gHidden = 1;
  gMenu->Deactivate();
}

void kui_TComboBox::UpdateMouseOver() {
  kui_GUI::SetCursor(1);
  kui_TGadget::UpdateMouseOver();
}

void kui_TComboBox::UpdateMouseDown() {
  kui_GUI::SetCursor(2);
  kui_TGadget::UpdateMouseDown();
}

void kui_TComboBox::UpdateMouseRelease() {
  const float below = gScreenY + gH + 2;
  const bool passesBottom = below + gMenu->gH > float(kui_GUI::ScreenHeight());
  Open(float(int(gScreenX)), passesBottom ? gScreenY - 2 - gMenu->gH : below);
  kui_TGadget::UpdateMouseRelease();
}

void kui_TComboBox::Render(float parentX, float parentY) {
  if (gHidden) return;
  const float x = float(int(parentX + gX)), y = float(int(parentY + gY));
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  kui_DrawNineSlice(kui_SkinImage(kBoxImage), x, y, gW, gH);
  float move = 0;
  if (gIconWidth > 0) {
    if (gIcon) {
      SetColor(255, 255, 255);
      ::SetAlpha(1);
      DrawImage(gIcon, x + 3, y + float(gIconY));
    }
    move = float(gIconWidth + 3);
  }
  UseFont();
  SetColor(gTextColour[0], gTextColour[1], gTextColour[2]);
  ::SetAlpha(gTextAlpha);
  DrawText(gText, x + 5 + move, y + 3);
  if (TImage* arrow = kui_SkinImage(kArrowImage)) {
    SetColor(gColour[0], gColour[1], gColour[2]);
    ::SetAlpha(gAlpha);
    DrawImage(arrow, x + gW - 12, y + gH - 10);
  }
  kui_TGadget::Render(parentX, parentY);
}
