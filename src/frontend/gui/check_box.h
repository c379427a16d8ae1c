// A check box: a tick box with its caption, the box left or right of the caption.
#pragma once

#include <string>

#include "frontend/gui/gadget.h"

class kui_TCheckBox : public kui_TGadget {
 public:
  static constexpr int LEFT_ALIGN = 0;
  static constexpr int RIGHT_ALIGN = 1;

  int gTicked = 0;
  std::string gText;
  int gCapX = 0, gImgX = 0;
  int gAlign = LEFT_ALIGN;
  int gOrigX = 0;

  void SetAlign(int align);
  void SetText(const std::string& text);
  void Toggle() { gTicked = gTicked ? 0 : 1; }
  // Sets the tick without an event.
  void SetState(int ticked) { gTicked = ticked ? 1 : 0; }
  int GetState() const { return gTicked; }
  static kui_TCheckBox* Create(const std::string& name, const std::string& text, float x, float y, int align,
                               kui_TGadget* parent);
  static void RefreshSkin();

  void PositionGadget(float x, float y) override;
  void MoveGadget(float dx, float dy) override;
  void Render(float parentX, float parentY) override;
  void UpdateMouseOver() override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;
  void Refresh() override;
};
