// A canvas: a free drawing area that calls the game's drawing function every frame.
#pragma once

#include <functional>

#include "frontend/gui/gadget.h"

class kui_TCanvas : public kui_TGadget {
 public:
  int gBackground = 1;
  int gEvents = 0;
  // Called with the canvas's screen position and size, clipped to it.
  std::function<void(kui_TCanvas&, float x, float y)> gDraw;

  void SetDrawFunction(std::function<void(kui_TCanvas&, float x, float y)> draw) { gDraw = std::move(draw); }
  static kui_TCanvas* Create(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent);

  void Render(float parentX, float parentY) override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;
};
