#include "frontend/gui/scroll_box.h"

#include <memory>

#include "frontend/gui/gui.h"
#include "frontend/gui/scroll_bar.h"

kui_TScrollBox* kui_TScrollBox::Create(const std::string& name, float x, float y, float w, float h,
                                       kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TScrollBox* box = kui_GUI::Adopt(std::make_unique<kui_TScrollBox>());
  box->PopulateGadget(name, x, y, w, h, parent);
  box->gRenderBoundaries = 0;
  box->gContent = kui_GUI::Adopt(std::make_unique<kui_TGadget>());
  box->gContent->PopulateGadget(name + ":Content", 0, 0, w, h, box);
  box->gContent->gRenderBoundaries = 0;
  box->gContent->gMouseThrough = 1;
  box->gVScroll = kui_TScrollBar::Create(name + ":VScroll", w - 15, 0, h - 15, 0, 1, 1, box);
  box->gHScroll = kui_TScrollBar::Create(name + ":HScroll", 0, h - 15, w - 15, 1, 1, 1, box);
  box->SetContentSize(int(w), int(h));
  return box;
}

void kui_TScrollBox::SetContentSize(int w, int h) {
  contentW_ = w;
  contentH_ = h;
  Refresh();
}

void kui_TScrollBox::Refresh() {
  if (!gContent) return;
  const int viewW = int(gW) - 15, viewH = int(gH) - 15;
  gContent->gW = float(contentW_);
  gContent->gH = float(contentH_);
  gVScroll->gX = gW - 15;
  gVScroll->SetLength(float(viewH));
  gVScroll->SetMaxAndRange(contentH_, viewH);
  gVScroll->SetInc(20);
  gVScroll->SetBigInc(viewH);
  gVScroll->gHidden = contentH_ > viewH ? 0 : 1;
  gHScroll->gY = gH - 15;
  gHScroll->SetLength(float(viewW));
  gHScroll->SetMaxAndRange(contentW_, viewW);
  gHScroll->SetInc(20);
  gHScroll->SetBigInc(viewW);
  gHScroll->gHidden = contentW_ > viewW ? 0 : 1;
}

void kui_TScrollBox::Update(float parentX, float parentY) {
  gContent->gX = -float(gHScroll->GetValue());
  gContent->gY = -float(gVScroll->GetValue());
  gScreenX = parentX + gX;
  gScreenY = parentY + gY;
  const kui_TGadget* active = kui_GUI::GetActiveGadget();
  // Content scrolled out of view takes no mouse.
  const bool contentTakesPart = MouseInside() || (active && active->DescendsFrom(gContent));
  gContent->gHidden = contentTakesPart ? 0 : 1;
  kui_TGadget::Update(parentX, parentY);
  gContent->gHidden = 0;
}
