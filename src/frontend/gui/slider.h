// A slider: a thumb on a track between a start and an end value, in whole steps.
// A vertical slider has its end value at the top.
#pragma once

#include "frontend/gui/gadget.h"

class kui_TSlider : public kui_TGadget {
 public:
  static constexpr int VERT_ALIGN = 0, HORIZ_ALIGN = 1;
  static constexpr int NO_PART = 0, BAR_PART = 1, BIGDEC_PART = 4, BIGINC_PART = 5;

  int gAlign = HORIZ_ALIGN;
  int gSX = 0, gSY = 0;
  int gSLen = 0;
  int gValue = 0, gStartVal = 0, gEndVal = 0;
  float gUnit = 0;
  int gInc = 1;
  int gStart = 0;
  int gLength = 14;
  int gPart = NO_PART;
  int gGrab = 0;

  void SetValue(int value);
  int GetValue() const { return gValue; }
  // Takes the step nearest to p pixels from the track start.
  void SetPosition(float p);
  void SetRange(int start, int end);
  void SetIncrement(int inc);
  void UpdateUnitLength();
  void UpdateBarPos();
  static kui_TSlider* Create(const std::string& name, float x, float y, int length, int horizontal, int start, int end,
                             int inc, kui_TGadget* parent);
  static void RefreshSkin();

  void MoveGadget(float dx, float dy) override;
  void Render(float parentX, float parentY) override;
  void UpdateMouseOver() override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;

 private:
  // The mouse along the slider, in the parent's coordinates.
  float MouseAlong() const;
};
