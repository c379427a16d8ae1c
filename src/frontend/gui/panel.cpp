#include "frontend/gui/panel.h"

#include <memory>

#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/skin_images.h"
#include "platform/draw_state.h"

namespace {
constexpr const char* kPanelImage = "/graphics/panel.png";
}

kui_TPanel* kui_TPanel::Create(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TPanel* panel = kui_GUI::Adopt(std::make_unique<kui_TPanel>());
  panel->PopulateGadget(name, x, y, w, h, parent);
  kui_GUI::AddPanel(panel);
  return panel;
}

void kui_TPanel::RefreshSkin() { kui_LoadSkinImage(kPanelImage, kui_Cut::NineSlice); }

void kui_TPanel::Render(float parentX, float parentY) {
  if (gHidden) return;
  if (gBackground) {
    SetColor(gColour[0], gColour[1], gColour[2]);
    ::SetAlpha(gAlpha);
    kui_DrawNineSlice(kui_SkinImage(kPanelImage), parentX + gX, parentY + gY, gW, gH, gBorder != 0);
  }
  kui_TGadget::Render(parentX, parentY);
}

bool kui_TPanel::TakesPart() {
  const kui_TGadget* active = kui_GUI::GetActiveGadget();
  if (active) return active->DescendsFrom(this);
  const kui_TGadget* taken = kui_GUI::FocusPanel();
  // A panel inside the frame's mouse panel takes part with it.
  return (!taken || DescendsFrom(taken)) && MouseInside();
}

void kui_TPanel::Update(float parentX, float parentY) {
  gChildEvents.clear();
  if (gHidden) return;
  gScreenX = parentX + gX;
  gScreenY = parentY + gY;
  if (!TakesPart()) return;
  kui_GUI::SetFocusPanel(this);
  UpdateChildren();
}

kui_TGadget* kui_MakePanel(const kui_TSkinElement& e) {
  kui_TPanel* panel = kui_TPanel::Create(e.name, float(e.x), float(e.y), float(e.w), float(e.h), e.parent);
  if (!panel) return nullptr;
  if (XmlAttribute(e.reader, "border") == "false") panel->BorderOff();
  if (XmlAttribute(e.reader, "background") == "false") panel->BackgroundOff();
  return panel;
}
