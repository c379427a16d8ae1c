// A scroll bar: arrow buttons at both ends, a track and a thumb whose length shows the
// visible share. Its value is the first visible unit, 0 .. max - range.
#pragma once

#include "frontend/gui/gadget.h"

class kui_TScrollBar : public kui_TGadget {
 public:
  static constexpr int NO_PART = 0, BAR_PART = 1, DEC_PART = 2, INC_PART = 3, BIGDEC_PART = 4, BIGINC_PART = 5;

  int gAlign = 0;  // 0 vertical, 1 horizontal
  int gValue = 0;
  int gRange = 1;
  int gMax = 1;
  float gUnit = 0;
  int gBig = 0;
  int gInc = 0;
  float gStart = 0;
  float gLength = 0;
  int gPart = NO_PART;
  int gGrab = 0;
  int gOZ = 0;

  void SetValue(int value);
  int GetValue() const { return gValue; }
  // Puts the thumb's start at p (in the parent's coordinates) and takes the value there.
  void SetPosition(float p);
  void SetLength(float length);
  void SetRange(int range);
  void SetMax(int max);
  int GetRange() const { return gRange; }
  int GetMax() const { return gMax; }
  void SetInc(int inc) { gInc = inc < 0 ? 0 : inc; }
  void SetBigInc(int inc) { gBig = inc < 0 ? 0 : inc; }
  // Sets both at once (each at least 1) so the value is clamped only against the new pair.
  void SetMaxAndRange(int max, int range);
  void UpdateBarLength();
  void UpdateBarPos();
  // One step of the wheel or an arrow: the release of that part.
  void ApplyPart(int part);
  static kui_TScrollBar* Create(const std::string& name, float x, float y, float length, int horizontal, int max,
                                int range, kui_TGadget* parent);
  static void RefreshSkin();

  void Render(float parentX, float parentY) override;
  void Update(float parentX, float parentY) override;
  void UpdateMouseOver() override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;

 private:
  float Base() const { return gAlign ? gX : gY; }
  float Length() const { return gAlign ? gW : gH; }
  // The mouse along the bar's axis, in the parent's coordinates.
  float MouseAlong() const;
  void ClampValue();
  int PartUnderMouse();
};
