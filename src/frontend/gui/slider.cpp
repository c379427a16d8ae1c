#include "frontend/gui/slider.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/gui_input.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/skin_images.h"
#include "platform/draw.h"
#include "platform/draw_state.h"

namespace {

constexpr const char* kTrackImage = "/graphics/scrollback.png";
constexpr const char* kVThumb = "/graphics/vscrollbar.png";
constexpr const char* kHThumb = "/graphics/hscrollbar.png";
constexpr int kMargin = 7;

}  // namespace

kui_TSlider* kui_TSlider::Create(const std::string& name, float x, float y, int length, int horizontal, int start,
                                 int end, int inc, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TSlider* slider = kui_GUI::Adopt(std::make_unique<kui_TSlider>());
  slider->gAlign = horizontal ? HORIZ_ALIGN : VERT_ALIGN;
  if (horizontal) {
    slider->PopulateGadget(name, x, y, float(length), 15, parent);
    slider->gSX = int(x) + kMargin;
    slider->gSY = int(y);
  } else {
    slider->PopulateGadget(name, x, y, 15, float(length), parent);
    slider->gSX = int(x);
    slider->gSY = int(y) + kMargin;
  }
  slider->gSLen = length - 2 * kMargin;
  slider->SetRange(start, end);
  slider->SetIncrement(inc);
  slider->SetValue(start);
  return slider;
}

void kui_TSlider::RefreshSkin() {
  kui_LoadSkinImage(kTrackImage, kui_Cut::Whole);
  kui_LoadSkinThumb(kVThumb, true);
  kui_LoadSkinThumb(kHThumb, false);
}

void kui_TSlider::SetRange(int start, int end) {
  gStartVal = start;
  gEndVal = std::max(start, end);
  UpdateUnitLength();
}

void kui_TSlider::SetIncrement(int inc) {
  gInc = std::abs(inc);
  UpdateUnitLength();
}

// Pixels per step; a step is one increment of value, so thumb and value always agree.
void kui_TSlider::UpdateUnitLength() {
  const int inc = gInc > 0 ? gInc : 1;
  const float steps = float(gEndVal - gStartVal) / float(inc);
  gUnit = steps > 0 ? float(gSLen) / steps : float(gSLen);
  UpdateBarPos();
}

void kui_TSlider::UpdateBarPos() {
  const int inc = gInc > 0 ? gInc : 1;
  const float along = gUnit * float(gValue - gStartVal) / float(inc);
  if (gAlign == HORIZ_ALIGN) {
    gStart = int(float(gSX) + along - float(gLength / 2));
  } else {
    gStart = int(float(gSY + gSLen) - along - float(gLength / 2));
  }
}

void kui_TSlider::SetValue(int value) {
  gValue = std::clamp(value, gStartVal, gEndVal);
  UpdateBarPos();
  kui_PostEvent(KUI_EVENT_GADGETACTION, this, gValue);
}

void kui_TSlider::SetPosition(float p) {
  int steps = gUnit > 0 ? int(p / gUnit) : 0;
  if (gUnit > 0 && p - float(steps) * gUnit > gUnit / 2) ++steps;
  const int inc = gInc > 0 ? gInc : 1;
  SetValue(gAlign == HORIZ_ALIGN ? gStartVal + steps * inc : gEndVal - steps * inc);
  kui_PostEvent(KUI_EVENT_GADGETACTION, this, gValue);
}

void kui_TSlider::MoveGadget(float dx, float dy) {
  kui_TGadget::MoveGadget(dx, dy);
  gSX += int(dx);
  gSY += int(dy);
  UpdateBarPos();
}

float kui_TSlider::MouseAlong() const {
  kui_TInput& input = kui_GUI::Input();
  return gAlign == HORIZ_ALIGN ? float(input.MouseX()) - (gScreenX - gX) : float(input.MouseY()) - (gScreenY - gY);
}

void kui_TSlider::UpdateMouseOver() {
  kui_GUI::SetCursor(1);
  kui_TGadget::UpdateMouseOver();
}

void kui_TSlider::UpdateMouseDown() {
  kui_GUI::SetCursor(2);
  kui_TGadget::UpdateMouseDown();
  const float m = MouseAlong();
  if (gPart == NO_PART) {
    if (m >= float(gStart) && m < float(gStart + gLength)) {
      gPart = BAR_PART;
    } else if (gAlign == HORIZ_ALIGN) {
      gPart = m < float(gStart) ? BIGDEC_PART : BIGINC_PART;
    } else {
      gPart = m < float(gStart) ? BIGINC_PART : BIGDEC_PART;
    }
  }
  if (gPart == BAR_PART) SetPosition(m - float(gAlign == HORIZ_ALIGN ? gSX : gSY));
}

void kui_TSlider::UpdateMouseRelease() {
  kui_TGadget::UpdateMouseRelease();
  if (gPart == BIGDEC_PART) SetValue(gValue - gInc);
  if (gPart == BIGINC_PART) SetValue(gValue + gInc);
  gPart = NO_PART;
}

void kui_TSlider::Render(float parentX, float parentY) {
  if (gHidden) return;
  const float ox = float(int(parentX)), oy = float(int(parentY));
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  if (TImage* track = kui_SkinImage(kTrackImage)) {
    DrawImageRect(track, ox + float(int(gX)), oy + float(int(gY)), float(int(gW)), float(int(gH)));
  }
  if (gAlign == HORIZ_ALIGN) {
    kui_DrawThumb(kHThumb, false, ox + float(gStart), oy + float(gSY), float(gLength));
  } else {
    kui_DrawThumb(kVThumb, true, ox + float(gSX), oy + float(gStart), float(gLength));
  }
  kui_TGadget::Render(parentX, parentY);
}

kui_TGadget* kui_MakeSlider(const kui_TSkinElement& e) {
  xmlTextReaderPtr r = e.reader;
  return kui_TSlider::Create(e.name, float(e.x), float(e.y), kui_ToInt(XmlAttribute(r, "length")),
                             kui_ToInt(XmlAttribute(r, "align")), kui_ToInt(XmlAttribute(r, "start")),
                             kui_ToInt(XmlAttribute(r, "end")), kui_ToInt(XmlAttribute(r, "inc")), e.parent);
}
