#include "frontend/gui/progress_bar.h"

#include <algorithm>
#include <memory>

#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/skin_images.h"
#include "platform/draw.h"
#include "platform/draw_state.h"

namespace {
constexpr const char* kProgressImage = "/graphics/progress.png";
}

kui_TProgressBar* kui_TProgressBar::Create(const std::string& name, const std::string& text, float x, float y,
                                           float w, float h, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TProgressBar* bar = kui_GUI::Adopt(std::make_unique<kui_TProgressBar>());
  bar->PopulateGadget(name, x, y, w, h, parent);
  bar->gText = text;
  return bar;
}

void kui_TProgressBar::RefreshSkin() { kui_LoadSkinImage(kProgressImage, kui_Cut::NineSlice); }

void kui_TProgressBar::SetValue(int value) {
  gValue = std::clamp(value, 0, 100);
  kui_PostEvent(KUI_EVENT_GADGETACTION, this, gValue);
}

void kui_TProgressBar::Render(float parentX, float parentY) {
  if (gHidden) return;
  const float x = float(int(parentX + gX)), y = float(int(parentY + gY));
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  kui_DrawNineSlice(kui_SkinImage(kProgressImage), x, y, gW, gH);
  const float filled = float(int((gW - 4) * float(gValue) / 100));
  if (filled > 0) {
    SetColor(gFillColour[0], gFillColour[1], gFillColour[2]);
    DrawRect(x + 2, y + 2, filled, float(int(gH) - 4));
  }
  UseFont();
  SetColor(gTextColour[0], gTextColour[1], gTextColour[2]);
  ::SetAlpha(gTextAlpha);
  DrawText(gText, x + float(int(gW) / 2 - TextWidth(gText) / 2), y + float(int(gH) / 2 - TextHeight(gText) / 2));
  kui_TGadget::Render(parentX, parentY);
}

kui_TGadget* kui_MakeProgressBar(const kui_TSkinElement& e) {
  kui_TProgressBar* bar =
      kui_TProgressBar::Create(e.name, e.text, float(e.x), float(e.y), float(e.w), float(e.h), e.parent);
  if (!bar) return nullptr;
  kui_RGB fill;
  if (kui_ParseHexColour(XmlAttribute(e.reader, "fillcolour"), fill)) bar->SetFillColour(fill[0], fill[1], fill[2]);
  if (kui_HasAttribute(e.reader, "value")) bar->SetValue(kui_ToInt(XmlAttribute(e.reader, "value")));
  return bar;
}
