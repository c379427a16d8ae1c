#include "frontend/gui/image_gadget.h"

#include <memory>

#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_file.h"
#include "platform/draw.h"
#include "platform/draw_state.h"

kui_TImage* kui_TImage::Create(const std::string& name, const std::string& url, float x, float y, float w, float h,
                               int fit, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TImage* image = kui_GUI::Adopt(std::make_unique<kui_TImage>());
  image->PopulateGadget(name, x, y, w, h, parent);
  image->gOx = int(x);
  image->gOy = int(y);
  image->gOw = int(w);
  image->gOh = int(h);
  image->gFit = fit;
  if (!url.empty()) image->LoadImage(url);
  image->Refresh();
  return image;
}

// Moves the rectangle the picture is placed in.
void kui_TImage::PositionGadget(float x, float y) {
  gOx = int(x);
  gOy = int(y);
  Refresh();
}

void kui_TImage::MoveGadget(float dx, float dy) {
  gOx += int(dx);
  gOy += int(dy);
  Refresh();
}

void kui_TImage::SetDimensions(float w, float h) {
  gOw = int(w);
  gOh = int(h);
  gW = w;
  gH = h;
  Refresh();
}

void kui_TImage::SetFit(int fit) {
  gFit = fit;
  Refresh();
}

void kui_TImage::SetImage(TImage* image) {
  gImage = image;
  Refresh();
}

void kui_TImage::LoadImage(const std::string& url) {
  gURL = url;
  ownImage_ = ::LoadImage(url);
  SetImage(ownImage_.get());
}

void kui_TImage::SetXAlign(int align) {
  gXAlign = align;
  Refresh();
}

void kui_TImage::SetYAlign(int align) {
  gYAlign = align;
  Refresh();
}

void kui_TImage::Refresh() {
  if (gFit || !gImage) {
    gX = float(gOx);
    gY = float(gOy);
    gW = float(gOw);
    gH = float(gOh);
    return;
  }
  const int iw = ImageWidth(gImage), ih = ImageHeight(gImage);
  gW = float(iw);
  gH = float(ih);
  const int xs[3] = {gOx, gOx + gOw / 2 - iw / 2, gOx + gOw - iw};
  const int ys[3] = {gOy, gOy + gOh / 2 - ih / 2, gOy + gOh - ih};
  gX = float(xs[gXAlign >= 0 && gXAlign <= 2 ? gXAlign : 0]);
  gY = float(ys[gYAlign >= 0 && gYAlign <= 2 ? gYAlign : 0]);
}

void kui_TImage::Render(float parentX, float parentY) {
  if (gHidden) return;
  if (gImage) {
    SetColor(gColour[0], gColour[1], gColour[2]);
    ::SetAlpha(gAlpha);
    DrawImageRect(gImage, float(int(parentX + gX)), float(int(parentY + gY)), float(int(gW)), float(int(gH)));
  }
  kui_TGadget::Render(parentX, parentY);
}

kui_TGadget* kui_MakeImage(const kui_TSkinElement& e) {
  xmlTextReaderPtr r = e.reader;
  const std::string url = XmlAttribute(r, "url");
  const int fit = XmlAttribute(r, "fit") == "false" ? 0 : 1;
  kui_TImage* image = kui_TImage::Create(e.name, url.empty() ? url : kui_GUI::SkinPath() + "/" + url, float(e.x),
                                         float(e.y), float(e.w), float(e.h), fit, e.parent);
  if (!image) return nullptr;
  if (kui_HasAttribute(r, "xalign")) image->SetXAlign(kui_ToInt(XmlAttribute(r, "xalign")));
  if (kui_HasAttribute(r, "yalign")) image->SetYAlign(kui_ToInt(XmlAttribute(r, "yalign")));
  return image;
}
