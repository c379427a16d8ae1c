// A combo box: shows the chosen item and opens its menu below itself (above, near the
// bottom of the interface) when clicked.
#pragma once

#include <any>
#include <string>

#include "frontend/gui/gadget.h"

class kui_TComboMenu;
class TImage;

class kui_TComboBox : public kui_TGadget {
 public:
  static constexpr int SELECTED = -2;

  std::string gDefText;
  std::string gText;
  TImage* gIcon = nullptr;
  int gIconWidth = 0;
  int gIconY = 0;
  kui_TComboMenu* gMenu = nullptr;

  void SetIconWidth(int width);
  void SetBoxText(const std::string& text) { gText = text; }
  // Shows the selected item (or the default text) and posts GadgetSelect.
  void UpdateCombo();
  void AddItem(const std::string& text, int data = 0, std::any extra = {}, TImage* icon = nullptr);
  void RemoveItem(int index);
  void ClearItems();
  int CountItems() const;
  void SelectItem(int index);
  void SelectData(int data);
  int SelectedItem() const;
  std::string SelectedText() const;
  int SelectedData() const;
  std::string GetText(int index) const;
  int GetData(int index) const;
  std::any GetExtra(int index) const;
  TImage* GetIcon(int index) const;
  int GetIconY(int index) const;
  void SetText(int index, const std::string& text);
  void SetExtra(int index, std::any extra);
  void SetData(int index, int data);
  void SetIcon(int index, TImage* icon);
  void Open(float x, float y);
  void Close();
  static kui_TComboBox* Create(const std::string& name, const std::string& text, float x, float y, float w, float h,
                               int menuWidth, int menuHeight, int rowHeight, kui_TGadget* parent);
  static void RefreshSkin();

  void Render(float parentX, float parentY) override;
  void UpdateMouseOver() override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;
};
