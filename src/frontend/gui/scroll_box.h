// A scroll box: shows part of a larger content area, moved by a vertical and a horizontal
// scroll bar along its right and bottom edges.
#pragma once

#include "frontend/gui/gadget.h"

class kui_TScrollBar;

class kui_TScrollBox : public kui_TGadget {
 public:
  kui_TGadget* gContent = nullptr;  // put the scrolled gadgets in here
  kui_TScrollBar* gVScroll = nullptr;
  kui_TScrollBar* gHScroll = nullptr;

  // The size of the content; a bar is shown only where the content does not fit.
  void SetContentSize(int w, int h);
  static kui_TScrollBox* Create(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent);

  void Update(float parentX, float parentY) override;
  void Refresh() override;

 private:
  int contentW_ = 0, contentH_ = 0;
};
