// A search box: opens a panel with a search field, a table of results and, when asked
// for, a "None" button. The game's search function fills the results from the typed text.
#pragma once

#include <any>
#include <functional>
#include <string>

#include "frontend/gui/gadget.h"

class kui_TButton;
class kui_TSearchPanel;
class kui_TTable;
class kui_TTextField;

class kui_TSearchBox : public kui_TGadget {
 public:
  std::string gText;  // the chosen result, or the default text
  std::string gDefText;
  int gData = 0;
  std::any gExtra;
  int gIconWidth = 0;
  kui_TSearchPanel* gPanel = nullptr;
  // Called with the typed text; it fills the results (AddResult) after ClearResults.
  std::function<void(kui_TSearchBox&, const std::string&)> gSearch;

  void SetSearchFunction(std::function<void(kui_TSearchBox&, const std::string&)> search) {
    gSearch = std::move(search);
  }
  void Search(const std::string& text);
  void ClearResults();
  void AddResult(const std::string& text, int data, std::any extra = {});
  void Open();
  void Close();
  static kui_TSearchBox* Create(const std::string& name, const std::string& text, float x, float y, float w,
                                float h, float panelW, float panelH, int rowHeight, int withNone,
                                kui_TGadget* parent);

  void Render(float parentX, float parentY) override;
  void UpdateMouseOver() override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;
};

class kui_TSearchPanel : public kui_TGadget {
 public:
  kui_TSearchBox* gBox = nullptr;
  kui_TTextField* gField = nullptr;
  kui_TTable* gResults = nullptr;
  kui_TButton* gNone = nullptr;

  static kui_TSearchPanel* Create(kui_TSearchBox* box, float w, float h, int rowHeight, int withNone);
  void Activate(float x, float y);
  void Deactivate();

  void Render(float parentX, float parentY) override;
  void Update(float parentX, float parentY) override;

 private:
  void Choose(int row);
};
