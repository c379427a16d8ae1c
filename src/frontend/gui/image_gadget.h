// An image: a picture stretched over its rectangle, or at its own size aligned inside it.
#pragma once

#include <string>

#include "frontend/gui/gadget.h"
#include "platform/image.h"

class kui_TImage : public kui_TGadget {
 public:
  TImage* gImage = nullptr;
  std::string gURL;
  int gXAlign = 0, gYAlign = 0;
  int gFit = 1;
  int gOx = 0, gOy = 0, gOw = 0, gOh = 0;

  void PositionGadget(float x, float y) override;
  void MoveGadget(float dx, float dy) override;
  void SetDimensions(float w, float h) override;
  void SetFit(int fit);
  // Shows a picture the caller keeps.
  void SetImage(TImage* image);
  // Loads and owns the picture at url; no picture when it cannot be read.
  void LoadImage(const std::string& url);
  void SetXAlign(int align);
  void SetYAlign(int align);
  static kui_TImage* Create(const std::string& name, const std::string& url, float x, float y, float w, float h,
                            int fit, kui_TGadget* parent);

  void Render(float parentX, float parentY) override;
  void Refresh() override;

 private:
  ImagePtr ownImage_;
};
