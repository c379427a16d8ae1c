// A one-line text field: click to edit, caret keys, typing, and Enter or Tab to finish.
// The text scrolls just far enough to keep the caret in view.
#pragma once

#include <functional>
#include <string>

#include "frontend/gui/gadget.h"

class kui_TTextField : public kui_TGadget {
 public:
  static constexpr int IDLE_MODE = 0;
  static constexpr int INPUT_MODE = 1;

  int gMillisecs = 0;
  std::string gText;
  int gMode = IDLE_MODE;
  int gCursor = 0;  // caret index in characters
  int gCX = 0;
  int gTX = 0;
  int gSearch = 0;
  // Set inside a search panel: the finished text goes to the search instead of an event.
  std::function<void(const std::string&)> gSearchHandler;

  // Replaces the text; the caret and scroll stay where they are (clamped to the text).
  void SetText(const std::string& text);
  const std::string& GetText() const { return gText; }
  void TextBackspace();
  void TextDelete();
  // Removes the characters from index from up to (not including) index to.
  void RemoveText(int from, int to);
  void SetCursor(int index);
  // Puts the caret at the character boundary nearest to the screen x.
  void SetMouseCursor(int x);
  void Deactivate();
  static kui_TTextField* Create(const std::string& name, const std::string& text, float x, float y, float w, float h,
                                int search, kui_TGadget* parent);
  static void RefreshSkin();

  void Render(float parentX, float parentY) override;
  void Update(float parentX, float parentY) override;
  void UpdateMouseOver() override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;
  void Refresh() override;

 private:
  void Insert(char32_t c);
  void HandleKeys();
  bool OverSearchIcon() const;
  bool InTextArea() const;
};
