// A label: text laid out in lines, wrapped at spaces to its width, aligned both ways.
#pragma once

#include <string>
#include <vector>

#include "frontend/gui/gadget.h"

class kui_TLabel : public kui_TGadget {
 public:
  std::string gOrigText;
  std::vector<std::string> gText;  // the lines after wrapping
  int gXAlign = 0, gYAlign = 0;    // 0 left/top, 1 centre, 2 right/bottom
  std::vector<int> gTX, gTY;
  int gBackground = 0;

  void SetText(const std::string& text);
  const std::string& GetText() const { return gOrigText; }
  void SetXAlign(int align);
  void SetYAlign(int align);
  void SetBackground(int flag);
  // Unlike the other gadgets, a label may have an empty name.
  static kui_TLabel* Create(const std::string& name, const std::string& text, float x, float y, float w, float h,
                            int xAlign, int yAlign, kui_TGadget* parent);

  void Render(float parentX, float parentY) override;
  void SetDimensions(float w, float h) override;
  void Refresh() override;

 private:
  void WrapLines(int limit);
};
