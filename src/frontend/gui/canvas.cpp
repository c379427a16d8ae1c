#include "frontend/gui/canvas.h"

#include <memory>

#include "frontend/gui/draw_state_saver.h"
#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_file.h"
#include "platform/draw.h"
#include "platform/draw_state.h"

kui_TCanvas* kui_TCanvas::Create(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TCanvas* canvas = kui_GUI::Adopt(std::make_unique<kui_TCanvas>());
  canvas->PopulateGadget(name, x, y, w, h, parent);
  return canvas;
}

void kui_TCanvas::Render(float parentX, float parentY) {
  if (gHidden) return;
  const float x = float(int(parentX + gX)), y = float(int(parentY + gY));
  if (gBackground) {
    SetColor(gColour[0], gColour[1], gColour[2]);
    ::SetAlpha(gAlpha);
    DrawRect(x, y, float(int(gW)), float(int(gH)));
  }
  if (gDraw) {
    kui_DrawStateSaver saved;
    kui_ClipTo(int(x), int(y), int(gW), int(gH));
    gDraw(*this, x, y);
  }
  kui_TGadget::Render(parentX, parentY);
}

void kui_TCanvas::UpdateMouseDown() {
  const bool pressedNow = gState != MOUSEDOWN_STATE;
  kui_TGadget::UpdateMouseDown();
  if (gEvents && pressedNow) kui_PostEvent(KUI_EVENT_GADGETACTION, this);
}

void kui_TCanvas::UpdateMouseRelease() {
  kui_TGadget::UpdateMouseRelease();
  if (gEvents) kui_PostEvent(KUI_EVENT_GADGETSELECT, this);
}

kui_TGadget* kui_MakeCanvas(const kui_TSkinElement& e) {
  kui_TCanvas* canvas = kui_TCanvas::Create(e.name, float(e.x), float(e.y), float(e.w), float(e.h), e.parent);
  if (!canvas) return nullptr;
  if (XmlAttribute(e.reader, "background") == "false") canvas->gBackground = 0;
  if (XmlAttribute(e.reader, "events") == "true") canvas->gEvents = 1;
  return canvas;
}
