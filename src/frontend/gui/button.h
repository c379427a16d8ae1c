// A button: rectangular with a caption, or an image button, rectangular or round.
// Pressing posts GadgetAction, releasing (wherever the mouse is) GadgetSelect, and a
// button with a link then shows its screen.
#pragma once

#include <string>

#include "frontend/gui/gadget.h"
#include "platform/image.h"

class kui_TLabel;
class kui_TScreen;

class kui_TButton : public kui_TGadget {
 public:
  kui_TLabel* gLabel = nullptr;
  int gImgX = 0, gImgY = 0;
  int gCircle = 0;
  int gRadius = 0;
  TImage* gButtonImage = nullptr;
  int gBackground = 1;
  kui_TScreen* gLink = nullptr;
  std::string gTip;

  void SetText(const std::string& text);
  void SetImage(TImage* image);
  // Loads the picture and owns it; writes "Null image, matey!" when it cannot be read.
  void LoadImage(const std::string& url);
  void SetLink(kui_TScreen* screen) { gLink = screen; }
  void SetNameLink(const std::string& screenName);
  void SetBackground(int flag) { gBackground = flag; }
  static kui_TButton* Create(const std::string& name, const std::string& text, float x, float y, float w, float h,
                             kui_TGadget* parent);
  static kui_TButton* CreateImg(const std::string& name, const std::string& url, float x, float y, float w, float h,
                                kui_TGadget* parent);
  static kui_TButton* CreateCircle(const std::string& name, const std::string& url, float x, float y, int radius,
                                   kui_TGadget* parent);
  static void RefreshSkin();

  void Render(float parentX, float parentY) override;
  void UpdateMouseOver() override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;
  void MoveGadget(float dx, float dy) override;
  void Refresh() override;

 protected:
  bool MouseInside() const override;

 private:
  static kui_TButton* Make(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent);
  ImagePtr ownImage_;
};
