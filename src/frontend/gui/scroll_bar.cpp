#include "frontend/gui/scroll_bar.h"

#include <algorithm>
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
constexpr const char* kUpImage = "/graphics/scrollup.png";
constexpr const char* kDownImage = "/graphics/scrolldown.png";
constexpr const char* kLeftImage = "/graphics/scrollleft.png";
constexpr const char* kRightImage = "/graphics/scrollright.png";
constexpr const char* kVThumb = "/graphics/vscrollbar.png";
constexpr const char* kHThumb = "/graphics/hscrollbar.png";
constexpr float kArrow = 15;

}  // namespace

kui_TScrollBar* kui_TScrollBar::Create(const std::string& name, float x, float y, float length, int horizontal,
                                       int max, int range, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TScrollBar* bar = kui_GUI::Adopt(std::make_unique<kui_TScrollBar>());
  bar->gAlign = horizontal ? 1 : 0;
  bar->PopulateGadget(name, x, y, horizontal ? length : kArrow, horizontal ? kArrow : length, parent);
  bar->SetMax(max);
  bar->SetRange(range);
  return bar;
}

void kui_TScrollBar::RefreshSkin() {
  kui_LoadSkinImage(kTrackImage, kui_Cut::Whole);
  kui_LoadSkinImage(kUpImage, kui_Cut::Whole);
  kui_LoadSkinImage(kDownImage, kui_Cut::Whole);
  kui_LoadSkinImage(kLeftImage, kui_Cut::Whole);
  kui_LoadSkinImage(kRightImage, kui_Cut::Whole);
  kui_LoadSkinThumb(kVThumb, true);
  kui_LoadSkinThumb(kHThumb, false);
}

void kui_TScrollBar::ClampValue() {
  gValue = std::max(0, std::min(gValue, gMax - gRange));
}

void kui_TScrollBar::SetRange(int range) {
  gRange = std::max(1, range);
  ClampValue();
  UpdateBarLength();
}

void kui_TScrollBar::SetMax(int max) {
  gMax = std::max(1, max);
  ClampValue();
  UpdateBarLength();
}

void kui_TScrollBar::SetMaxAndRange(int max, int range) {
  gMax = std::max(1, max);
  gRange = std::max(1, range);
  ClampValue();
  UpdateBarLength();
}

void kui_TScrollBar::SetLength(float length) {
  if (gAlign) {
    gW = length;
  } else {
    gH = length;
  }
  UpdateBarLength();
}

void kui_TScrollBar::UpdateBarLength() {
  const float track = Length() - 2 * kArrow;
  gUnit = track / float(gMax);
  gLength = std::min(std::max(gUnit * float(gRange), 6.0f), std::max(track, 0.0f));
  UpdateBarPos();
}

void kui_TScrollBar::UpdateBarPos() { gStart = Base() + kArrow + gUnit * float(gValue); }

void kui_TScrollBar::SetValue(int value) {
  gValue = value;
  ClampValue();
  UpdateBarPos();
  kui_PostEvent(KUI_EVENT_GADGETACTION, this, gValue);
}

void kui_TScrollBar::SetPosition(float p) {
  const float base = Base();
  const float last = base + Length() - (gLength + kArrow);
  if (p < base + kArrow) {
    gStart = base + kArrow;
    gValue = 0;
  } else if (p > last) {
    gStart = last;
    gValue = std::max(0, gMax - gRange);
  } else {
    gStart = p;
    gValue = gUnit > 0 ? int((p - (base + kArrow)) / gUnit) : 0;
  }
  kui_PostEvent(KUI_EVENT_GADGETACTION, this, gValue);
}

void kui_TScrollBar::ApplyPart(int part) {
  switch (part) {
    case DEC_PART: SetValue(gValue - gInc); break;
    case INC_PART: SetValue(gValue + gInc); break;
    case BIGDEC_PART: SetValue(gValue - gBig); break;
    case BIGINC_PART: SetValue(gValue + gBig); break;
    default: break;
  }
}

float kui_TScrollBar::MouseAlong() const {
  kui_TInput& input = kui_GUI::Input();
  // The screen position less the gadget's own offset is the parent's origin.
  return gAlign ? float(input.MouseX()) - (gScreenX - gX) : float(input.MouseY()) - (gScreenY - gY);
}

int kui_TScrollBar::PartUnderMouse() {
  const float m = MouseAlong();
  const float base = Base();
  if (m < base + kArrow) return DEC_PART;
  if (m >= base + Length() - kArrow) return INC_PART;
  if (m >= gStart && m < gStart + gLength) {
    gGrab = int(m - gStart);
    return BAR_PART;
  }
  return m < gStart ? BIGDEC_PART : BIGINC_PART;
}

void kui_TScrollBar::Update(float parentX, float parentY) {
  kui_TGadget::Update(parentX, parentY);
  if (gState != MOUSEOVER_STATE) gOZ = kui_GUI::Input().MouseZ();
}

void kui_TScrollBar::UpdateMouseOver() {
  kui_GUI::SetCursor(1);
  kui_TGadget::UpdateMouseOver();
  const int z = kui_GUI::Input().MouseZ();
  if (z > gOZ) ApplyPart(DEC_PART);
  if (z < gOZ) ApplyPart(INC_PART);
  gOZ = z;
}

void kui_TScrollBar::UpdateMouseDown() {
  kui_GUI::SetCursor(2);
  kui_TGadget::UpdateMouseDown();
  if (gPart == NO_PART) gPart = PartUnderMouse();
  if (gPart == BAR_PART) SetPosition(MouseAlong() - float(gGrab));
}

void kui_TScrollBar::UpdateMouseRelease() {
  kui_TGadget::UpdateMouseRelease();
  ApplyPart(gPart);
  gPart = NO_PART;
}

void kui_TScrollBar::Render(float parentX, float parentY) {
  if (gHidden) return;
  const float x = float(int(parentX + gX)), y = float(int(parentY + gY));
  const float length = Length();
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  if (TImage* track = kui_SkinImage(kTrackImage)) DrawImageRect(track, x, y, float(int(gW)), float(int(gH)));
  TImage* dec = kui_SkinImage(gAlign ? kLeftImage : kUpImage);
  TImage* inc = kui_SkinImage(gAlign ? kRightImage : kDownImage);
  if (dec) DrawImage(dec, x, y);
  if (inc) DrawImage(inc, gAlign ? x + length - kArrow : x, gAlign ? y : y + length - kArrow);
  const float thumb = gStart - Base();
  if (gAlign) {
    kui_DrawThumb(kHThumb, false, x + thumb, y, gLength);
  } else {
    kui_DrawThumb(kVThumb, true, x, y + thumb, gLength);
  }
  kui_TGadget::Render(parentX, parentY);
}

kui_TGadget* kui_MakeScrollBar(const kui_TSkinElement& e) {
  xmlTextReaderPtr r = e.reader;
  return kui_TScrollBar::Create(e.name, float(e.x), float(e.y), float(kui_ToInt(XmlAttribute(r, "length"))),
                                kui_ToInt(XmlAttribute(r, "align")), kui_ToInt(XmlAttribute(r, "max")),
                                kui_ToInt(XmlAttribute(r, "range")), e.parent);
}
