#include "frontend/gui/combo_menu.h"

#include <algorithm>
#include <memory>

#include "frontend/gui/combo_box.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/gui_input.h"
#include "frontend/gui/skin_images.h"
#include "frontend/gui/table.h"
#include "platform/draw_state.h"

namespace {
constexpr const char* kMenuImage = "/graphics/menu.png";
}

kui_TComboMenu* kui_TComboMenu::Create(const std::string& name, float x, float y, float w, float h, int rowHeight,
                                       kui_TComboBox* combo) {
  if (name.empty()) return nullptr;
  kui_TComboMenu* menu = kui_GUI::Adopt(std::make_unique<kui_TComboMenu>());
  menu->PopulateGadget(name, x, y, w, h, nullptr);
  menu->gHidden = 1;
  menu->gMaxH = int(h);
  menu->gCombo = combo;
  menu->gTable = kui_TTable::Create(name + ":Table", 5, 5, h - 10, "Select", int(w) - 10, nullptr, 0, rowHeight, 0,
                                    menu);
  for (int c = 0; c < menu->gTable->CountColumns(); ++c) menu->gTable->SetAlpha(0.3f, kui_TTable::SELECTION_SET, c);
  menu->gTable->SetAlpha(0.3f, kui_TTable::SELECTION_SET);
  menu->SetChildEvents(1);
  kui_GUI::AddExtra(menu);
  menu->Refresh();
  return menu;
}

void kui_TComboMenu::RefreshSkin() { kui_LoadSkinImage(kMenuImage, kui_Cut::NineSlice); }

void kui_TComboMenu::Refresh() {
  if (!gTable) return;
  const int height = std::min(gTable->CountItems() * (gTable->gIH + 2) + 8, gMaxH);
  gH = float(height);
  gTable->gH = float(height - 10);
  gTable->Refresh();
}

void kui_TComboMenu::SetIconWidth(int width) { gTable->SetImageWidth(0, width); }

void kui_TComboMenu::AddItem(const std::string& text, int data, std::any extra, TImage* icon) {
  gTable->AddItem({text}, data, std::move(extra), {icon});
  Refresh();
}

void kui_TComboMenu::RemoveItem(int index) {
  gTable->RemoveItem(index);
  Refresh();
}

void kui_TComboMenu::ClearItems() {
  gTable->ClearItems();
  Refresh();
}

int kui_TComboMenu::CountItems() const { return gTable->CountItems(); }

void kui_TComboMenu::SelectItem(int index) {
  gTable->SelectItem(index);
  const int row = gTable->SelectedItem();
  kui_PostEvent(KUI_EVENT_GADGETSELECT, this, gTable->GetData(row), 0, row, gTable->GetText(row, 0));
}

void kui_TComboMenu::Activate(float x, float y) {
  gX = x;
  gY = y;
  gHidden = 0;
  kui_GUI::SetActiveGadget(this);
  kui_PostEvent(KUI_EVENT_GADGETOPEN, this, 1);
}

void kui_TComboMenu::Deactivate() {
  kui_GUI::ClearActiveGadget();
  gState = IDLE_STATE;
  kui_PostEvent(KUI_EVENT_GADGETCLOSE, this, 0);
  if (gCombo) gCombo->UpdateCombo();
}

void kui_TComboMenu::ProcessEvents() {
  const std::vector<kui_TEvent> events = gChildEvents;
  for (const kui_TEvent& event : events) {
    if (event.gID != KUI_EVENT_GADGETSELECT || event.gSource != gTable) continue;
    Deactivate();
    gHidden = 1;
    kui_PostEvent(KUI_EVENT_GADGETSELECT, this, event.gData, event.gX, event.gY, event.gExtra);
  }
}

void kui_TComboMenu::Update(float parentX, float parentY) {
  kui_TGadget::Update(parentX, parentY);
  ProcessEvents();
  // A press anywhere but on the menu's table closes it.
  if (kui_GUI::ActiveGadget(this) && !gHidden && kui_GUI::Input().MouseDown(1)) {
    kui_PostEvent(KUI_EVENT_GADGETCLOSE, this, 0, 0, 0, static_cast<kui_TGadget*>(this));
    gHidden = 1;
  }
}

void kui_TComboMenu::Render(float parentX, float parentY) {
  if (gHidden) return;
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  kui_DrawNineSlice(kui_SkinImage(kMenuImage), parentX + gX, parentY + gY, gW, gH);
  kui_TGadget::Render(parentX, parentY);
}
