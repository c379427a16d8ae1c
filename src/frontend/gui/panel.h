// A panel: the top-level (and grouping) gadget. The topmost panel under the mouse takes
// all input in a frame.
#pragma once

#include "frontend/gui/gadget.h"

class kui_TPanel : public kui_TGadget {
 public:
  int gBackground = 1;
  int gBorder = 1;

  void BackgroundOn() { gBackground = 1; }
  void BackgroundOff() { gBackground = 0; }
  void BorderOn() { gBorder = 1; }
  void BorderOff() { gBorder = 0; }
  // Registers the panel in the toolkit's panel list; null for an empty name.
  static kui_TPanel* Create(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent);
  static void RefreshSkin();

  void Render(float parentX, float parentY) override;
  void Update(float parentX, float parentY) override;
  bool IsPanel() const override { return true; }

 private:
  bool TakesPart();
};
