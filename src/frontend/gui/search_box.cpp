#include "frontend/gui/search_box.h"

#include <memory>

#include "frontend/gui/button.h"
#include "frontend/gui/drop_down.h"
#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/skin_images.h"
#include "frontend/gui/table.h"
#include "frontend/gui/text_field.h"
#include "frontend/locale.h"
#include "platform/draw_state.h"

kui_TSearchBox* kui_TSearchBox::Create(const std::string& name, const std::string& text, float x, float y, float w,
                                       float h, float panelW, float panelH, int rowHeight, int withNone,
                                       kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TSearchBox* box = kui_GUI::Adopt(std::make_unique<kui_TSearchBox>());
  box->PopulateGadget(name, x, y, w, h, parent);
  box->gText = text;
  box->gDefText = text;
  box->gPanel = kui_TSearchPanel::Create(box, panelW > 0 ? panelW : w, panelH > 0 ? panelH : 200,
                                         rowHeight > 0 ? rowHeight : 20, withNone);
  return box;
}

void kui_TSearchBox::Search(const std::string& text) {
  if (gSearch) gSearch(*this, text);
}

void kui_TSearchBox::ClearResults() { gPanel->gResults->ClearItems(); }

void kui_TSearchBox::AddResult(const std::string& text, int data, std::any extra) {
  gPanel->gResults->AddItem({text}, data, std::move(extra));
}

void kui_TSearchBox::Open() {
  gPanel->Activate(float(int(gScreenX)), kui_DropDownY(gScreenY, gH, gPanel->gH));
  kui_PostEvent(KUI_EVENT_GADGETOPEN, this, 1, 0, 0, static_cast<kui_TGadget*>(gPanel));
}

void kui_TSearchBox::Close() {
  gPanel->gHidden = 1;
  gPanel->Deactivate();
}

void kui_TSearchBox::Render(float parentX, float parentY) {
  if (gHidden) return;
  kui_DrawDropDownBox(*this, gText, float(int(parentX + gX)), float(int(parentY + gY)));
  kui_TGadget::Render(parentX, parentY);
}

void kui_TSearchBox::UpdateMouseOver() {
  kui_GUI::SetCursor(1);
  kui_TGadget::UpdateMouseOver();
}

void kui_TSearchBox::UpdateMouseDown() {
  kui_GUI::SetCursor(2);
  kui_TGadget::UpdateMouseDown();
}

void kui_TSearchBox::UpdateMouseRelease() {
  Open();
  kui_TGadget::UpdateMouseRelease();
}

kui_TSearchPanel* kui_TSearchPanel::Create(kui_TSearchBox* box, float w, float h, int rowHeight, int withNone) {
  kui_TSearchPanel* panel = kui_GUI::Adopt(std::make_unique<kui_TSearchPanel>());
  panel->PopulateGadget(box->gName + ":Panel", 0, 0, w, h, nullptr);
  panel->gHidden = 1;
  panel->gBox = box;
  panel->SetChildEvents(1);
  kui_GUI::AddExtra(panel);
  panel->gField = kui_TTextField::Create(box->gName + ":Search", "", 5, 5, w - 10, 20, 1, panel);
  panel->gField->gSearchHandler = [box](const std::string& text) { box->Search(text); };
  const float noneRoom = withNone ? 25 : 0;
  panel->gResults = kui_TTable::Create(box->gName + ":Results", 5, 30, h - 35 - noneRoom, "", int(w) - 10, nullptr,
                                       0, rowHeight, 0, panel);
  if (withNone) {
    panel->gNone = kui_TButton::Create(box->gName + ":None", TLocale::getText("None"), 5, h - 25, w - 10, 20, panel);
  }
  return panel;
}

void kui_TSearchPanel::Activate(float x, float y) {
  gX = x;
  gY = y;
  gHidden = 0;
  kui_GUI::SetActiveGadget(this);
  kui_PostEvent(KUI_EVENT_GADGETOPEN, this, 1);
}

void kui_TSearchPanel::Deactivate() {
  kui_GUI::ClearActiveGadget();
  gState = IDLE_STATE;
  kui_PostEvent(KUI_EVENT_GADGETCLOSE, this, 0);
}

void kui_TSearchPanel::Choose(int row) {
  kui_TSearchBox& box = *gBox;
  box.gText = row >= 0 ? gResults->GetText(row, 0) : box.gDefText;
  box.gData = row >= 0 ? gResults->GetData(row) : 0;
  box.gExtra = row >= 0 ? gResults->GetExtra(row) : std::any();
  gHidden = 1;
  Deactivate();
  kui_PostEvent(KUI_EVENT_GADGETSELECT, gBox, box.gData, 0, row, box.gExtra);
}

void kui_TSearchPanel::Update(float parentX, float parentY) {
  kui_TGadget::Update(parentX, parentY);
  const std::vector<kui_TEvent> events = gChildEvents;
  for (const kui_TEvent& event : events) {
    if (event.gID != KUI_EVENT_GADGETSELECT) continue;
    if (event.gSource == gResults) Choose(event.gY);
    if (gNone && event.gSource == gNone) Choose(-1);
  }
  if (kui_PressedOutside(*this)) {
    kui_PostEvent(KUI_EVENT_GADGETCLOSE, this, 0, 0, 0, static_cast<kui_TGadget*>(this));
    gHidden = 1;
  }
}

void kui_TSearchPanel::Render(float parentX, float parentY) {
  if (gHidden) return;
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  kui_DrawNineSlice(kui_SkinImage("/graphics/menu.png"), parentX + gX, parentY + gY, gW, gH);
  kui_TGadget::Render(parentX, parentY);
}

kui_TGadget* kui_MakeSearchBox(const kui_TSkinElement& e) {
  xmlTextReaderPtr r = e.reader;
  kui_TSearchBox* box = kui_TSearchBox::Create(
      e.name, e.text, float(e.x), float(e.y), float(e.w), float(e.h), float(kui_ToInt(XmlAttribute(r, "pw"))),
      float(kui_ToInt(XmlAttribute(r, "ph"))), kui_ToInt(XmlAttribute(r, "ih")),
      XmlAttribute(r, "null") == "true" || XmlAttribute(r, "null") == "1", e.parent);
  if (box && kui_HasAttribute(r, "iconwidth")) box->gIconWidth = kui_ToInt(XmlAttribute(r, "iconwidth"));
  return box;
}
