#include "frontend/gui/button.h"

#include <memory>

#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/gui_input.h"
#include "frontend/gui/label.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/skin_images.h"
#include "frontend/gui/skin_reader.h"
#include "platform/debug_output.h"
#include "platform/draw.h"
#include "platform/draw_state.h"

namespace {
constexpr const char* kButtonImage = "/graphics/button.png";
}

kui_TButton* kui_TButton::Make(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TButton* button = kui_GUI::Adopt(std::make_unique<kui_TButton>());
  button->PopulateGadget(name, x, y, w, h, parent);
  return button;
}

kui_TButton* kui_TButton::Create(const std::string& name, const std::string& text, float x, float y, float w, float h,
                                 kui_TGadget* parent) {
  kui_TButton* button = Make(name, x, y, w, h, parent);
  if (!button) return nullptr;
  button->gLabel = kui_TLabel::Create(name + ":Label", text, 0, 0, w, h, 1, 1, button);
  // The caption shows the text; the button takes the mouse.
  button->gLabel->gMouseThrough = 1;
  button->Refresh();
  return button;
}

kui_TButton* kui_TButton::CreateImg(const std::string& name, const std::string& url, float x, float y, float w,
                                    float h, kui_TGadget* parent) {
  kui_TButton* button = Make(name, x, y, w, h, parent);
  if (!button) return nullptr;
  button->gBackground = 0;
  button->LoadImage(url);
  if (button->gButtonImage && int(w) == 0) button->gW = float(ImageWidth(button->gButtonImage));
  if (button->gButtonImage && int(h) == 0) button->gH = float(ImageHeight(button->gButtonImage));
  button->Refresh();
  return button;
}

kui_TButton* kui_TButton::CreateCircle(const std::string& name, const std::string& url, float x, float y, int radius,
                                       kui_TGadget* parent) {
  kui_TButton* button = Make(name, x, y, float(radius * 2), float(radius * 2), parent);
  if (!button) return nullptr;
  button->gCircle = 1;
  button->gRadius = radius;
  button->gBackground = 0;
  button->LoadImage(url);
  button->Refresh();
  return button;
}

void kui_TButton::RefreshSkin() { kui_LoadSkinImage(kButtonImage, kui_Cut::NineSlice); }

void kui_TButton::SetText(const std::string& text) {
  if (gLabel) gLabel->SetText(text);
}

void kui_TButton::SetImage(TImage* image) {
  gButtonImage = image;
  Refresh();
}

void kui_TButton::LoadImage(const std::string& url) {
  ownImage_ = ::LoadImage(url);
  if (!ownImage_) DebugLog("Null image, matey!");
  SetImage(ownImage_.get());
}

void kui_TButton::SetNameLink(const std::string& screenName) { gLink = kui_GUI::GetScreen(screenName); }

// The picture's place follows the button.
void kui_TButton::MoveGadget(float dx, float dy) {
  kui_TGadget::MoveGadget(dx, dy);
  Refresh();
}

void kui_TButton::Refresh() {
  if (gLabel) gLabel->SetDimensions(gW, gH);
  if (!gButtonImage) return;
  const int iw = ImageWidth(gButtonImage), ih = ImageHeight(gButtonImage);
  if (gCircle) {
    gImgX = int(gX) - iw / 2;
    gImgY = int(gY) - ih / 2;
  } else {
    gImgX = int(gX + gW / 2 - float(iw / 2));
    gImgY = int(gY + gH / 2 - float(ih / 2));
  }
}

void kui_TButton::Render(float parentX, float parentY) {
  if (gHidden) return;
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  if (gBackground && !gCircle) kui_DrawNineSlice(kui_SkinImage(kButtonImage), parentX + gX, parentY + gY, gW, gH);
  if (gButtonImage) DrawImage(gButtonImage, float(int(parentX) + gImgX), float(int(parentY) + gImgY));
  kui_TGadget::Render(parentX, parentY);
}

bool kui_TButton::MouseInside() const {
  if (!gCircle) return kui_TGadget::MouseInside();
  kui_TInput& input = kui_GUI::Input();
  const float dx = float(input.MouseX()) - gScreenX, dy = float(input.MouseY()) - gScreenY;
  return dx * dx + dy * dy <= float(gRadius * gRadius);
}

void kui_TButton::UpdateMouseOver() {
  kui_GUI::SetCursor(1);
  kui_TGadget::UpdateMouseOver();
}

void kui_TButton::UpdateMouseDown() {
  kui_GUI::SetCursor(2);
  const bool pressedNow = gState != MOUSEDOWN_STATE;
  kui_TGadget::UpdateMouseDown();
  if (pressedNow) kui_PostEvent(KUI_EVENT_GADGETACTION, this);
}

void kui_TButton::UpdateMouseRelease() {
  kui_TGadget::UpdateMouseRelease();
  kui_PostEvent(KUI_EVENT_GADGETSELECT, this);
  if (!gLink) return;
  kui_GUI::SetScreen(gLink);
  kui_PostEvent(KUI_EVENT_SETSCREEN, this, 0, 0, 0, gLink);
}

kui_TGadget* kui_MakeButton(const kui_TSkinElement& e) {
  kui_TButton* button =
      kui_TButton::Create(e.name, e.text, float(e.x), float(e.y), float(e.w), float(e.h), e.parent);
  const std::string link = XmlAttribute(e.reader, "link");
  if (button && !link.empty()) kui_RecordLink(button, link);
  return button;
}

kui_TGadget* kui_MakeImageButton(const kui_TSkinElement& e) {
  xmlTextReaderPtr r = e.reader;
  const std::string url = XmlAttribute(r, "url");
  if (XmlAttribute(r, "circle") == "1") {
    return kui_TButton::CreateCircle(e.name, url, float(e.x), float(e.y), kui_ToInt(XmlAttribute(r, "radius")),
                                     e.parent);
  }
  return kui_TButton::CreateImg(e.name, url, float(e.x), float(e.y), float(e.w), float(e.h), e.parent);
}
