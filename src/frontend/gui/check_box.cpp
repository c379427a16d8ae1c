#include "frontend/gui/check_box.h"

#include <memory>

#include "frontend/gui/draw_state_saver.h"
#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/skin_images.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/image.h"

namespace {
constexpr const char* kCheckImage = "/graphics/checkbox.png";
constexpr int kBoxSize = 15;
}  // namespace

kui_TCheckBox* kui_TCheckBox::Create(const std::string& name, const std::string& text, float x, float y, int align,
                                     kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TCheckBox* box = kui_GUI::Adopt(std::make_unique<kui_TCheckBox>());
  box->PopulateGadget(name, x, y, 0, kBoxSize, parent);
  box->gOrigX = int(x);
  box->gAlign = align;
  box->SetText(text);
  return box;
}

void kui_TCheckBox::RefreshSkin() { kui_LoadSkinImage(kCheckImage, kui_Cut::TwoFrames); }

void kui_TCheckBox::SetAlign(int align) {
  gAlign = align;
  Refresh();
}

void kui_TCheckBox::SetText(const std::string& text) {
  gText = text;
  Refresh();
}

void kui_TCheckBox::PositionGadget(float x, float y) {
  gOrigX = int(x);
  gY = y;
  Refresh();
}

void kui_TCheckBox::MoveGadget(float dx, float dy) {
  gOrigX += int(dx);
  gY += dy;
  Refresh();
}

void kui_TCheckBox::Refresh() {
  const kui_FontScope font(gFont);
  const int textWidth = TextWidth(gText);
  if (gAlign == RIGHT_ALIGN) {
    gImgX = gOrigX - kBoxSize;
    gCapX = gImgX - (textWidth + 5);
    gX = float(gCapX);
  } else {
    gImgX = gOrigX;
    gCapX = gOrigX + kBoxSize + 5;
    gX = float(gOrigX);
  }
  gW = float(kBoxSize + 5 + textWidth);
  TImage* image = kui_SkinImage(kCheckImage);
  gH = float(image ? ImageHeight(image) : kBoxSize);
}

void kui_TCheckBox::Render(float parentX, float parentY) {
  if (gHidden) return;
  const float y = float(int(parentY + gY));
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  if (TImage* image = kui_SkinImage(kCheckImage)) DrawImage(image, float(int(parentX) + gImgX), y, gTicked);
  UseFont();
  SetColor(gTextColour[0], gTextColour[1], gTextColour[2]);
  ::SetAlpha(gTextAlpha);
  DrawText(gText, float(int(parentX) + gCapX), y);
  kui_TGadget::Render(parentX, parentY);
}

void kui_TCheckBox::UpdateMouseOver() {
  kui_GUI::SetCursor(1);
  kui_TGadget::UpdateMouseOver();
}

void kui_TCheckBox::UpdateMouseDown() {
  kui_GUI::SetCursor(2);
  kui_TGadget::UpdateMouseDown();
}

void kui_TCheckBox::UpdateMouseRelease() {
  kui_TGadget::UpdateMouseRelease();
  Toggle();
  kui_PostEvent(KUI_EVENT_GADGETACTION, this, gTicked);
}

kui_TGadget* kui_MakeCheckBox(const kui_TSkinElement& e) {
  kui_TCheckBox* box = kui_TCheckBox::Create(e.name, e.text, float(e.x), float(e.y),
                                             kui_ToInt(XmlAttribute(e.reader, "align")), e.parent);
  if (box && XmlAttribute(e.reader, "checked") == "true") box->SetState(1);
  return box;
}
