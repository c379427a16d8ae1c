// A progress bar: filled to a percentage in its fill colour, with a centred caption.
#pragma once

#include <string>

#include "frontend/gui/gadget.h"

class kui_TProgressBar : public kui_TGadget {
 public:
  int gValue = 0;
  kui_RGB gFillColour{0, 160, 0};
  std::string gText;

  // Clamped to 0..100; posts GadgetAction with the value.
  void SetValue(int value);
  int GetValue() const { return gValue; }
  void SetText(const std::string& text) { gText = text; }
  void SetFillColour(int r, int g, int b) { gFillColour = {r, g, b}; }
  static kui_TProgressBar* Create(const std::string& name, const std::string& text, float x, float y, float w,
                                  float h, kui_TGadget* parent);
  static void RefreshSkin();

  void Render(float parentX, float parentY) override;
};
