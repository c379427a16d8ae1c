// A screen: a named, ordered list of panels drawn bottom to top.
#pragma once

#include <string>
#include <vector>

class kui_TGadget;

class kui_TScreen {
 public:
  std::string gName;
  std::string gFamily;
  std::vector<kui_TGadget*> gPanels;

  static kui_TScreen* Create(const std::string& name, const std::string& family);
  void Render();
  // The topmost panel first, so the panel drawn on top takes the mouse.
  void Update();
  void AddPanel(kui_TGadget* panel);
  kui_TGadget* GetPanel(const std::string& name) const;
  const std::string& GetName() const { return gName; }
  const std::string& GetFamily() const { return gFamily; }
};
