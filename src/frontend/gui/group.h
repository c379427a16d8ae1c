// A group: lays its visible children out one after another, along x and along y.
#pragma once

#include "frontend/gui/gadget.h"

class kui_TGroup : public kui_TGadget {
 public:
  int gXAlign = 0, gYAlign = 0;  // 0 from the left/top, 1 each centred, 2 from the right/bottom
  int gXGap = 0, gYGap = 0;

  static kui_TGroup* Create(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent);
  void AddChild(kui_TGadget* child) override;
  void Refresh() override;
  void Update(float parentX, float parentY) override;
};
