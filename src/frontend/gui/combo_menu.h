// The drop-down menu of a combo box: a floating table shown above everything while open.
#pragma once

#include <any>
#include <string>

#include "frontend/gui/gadget.h"

class kui_TComboBox;
class kui_TTable;
class TImage;

class kui_TComboMenu : public kui_TGadget {
 public:
  kui_TTable* gTable = nullptr;
  int gMaxH = 200;
  kui_TComboBox* gCombo = nullptr;

  // Turns a row chosen in the table into the menu's own select and closes the menu.
  void ProcessEvents();
  void SetIconWidth(int width);
  void AddItem(const std::string& text, int data, std::any extra, TImage* icon);
  void RemoveItem(int index);
  void ClearItems();
  int CountItems() const;
  void SelectItem(int index);
  void Activate(float x, float y);
  void Deactivate();
  static kui_TComboMenu* Create(const std::string& name, float x, float y, float w, float h, int rowHeight,
                                kui_TComboBox* combo);
  static void RefreshSkin();

  void Render(float parentX, float parentY) override;
  void Update(float parentX, float parentY) override;
  void Refresh() override;
};
