// Drives the toolkit with a scripted mouse and keyboard, drawing to the headless driver.
// The built-in font is 12 pixels a character and 16 high, so text sizes are exact.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "frontend/gui/gui.h"
#include "frontend/gui/gui_input.h"
#include "frontend/gui/panel.h"
#include "frontend/gui/screen.h"
#include "frontend/locale.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "support/temp_folder.h"

class TScriptedInput : public kui_TInput {
 public:
  int x = -100, y = -100, z = 0;
  bool down = false;
  std::map<int, int> hits;
  std::deque<int> chars;
  int flushes = 0;
  int pointerShown = -1;

  int MouseX() override { return x; }
  int MouseY() override { return y; }
  int MouseZ() override { return z; }
  int MouseDown(int button) override { return button == 1 && down ? 1 : 0; }
  int KeyHit(int code) override {
    const int count = hits[code];
    hits[code] = 0;
    return count;
  }
  int GetChar() override {
    if (chars.empty()) return 0;
    const int c = chars.front();
    chars.pop_front();
    return c;
  }
  void FlushKeys() override {
    ++flushes;
    hits.clear();
    chars.clear();
  }
  void ShowPointer(bool visible) override { pointerShown = visible ? 1 : 0; }
};

class GuiTest : public testing::Test {
 protected:
  void SetUp() override {
    SetHeadlessGraphics(true);
    UseVirtualClock(0);
    TLocale::Clear();
    kui_GUI::Reset();
    kui_GUI::SetInput(&input_);
    kui_GUI::SetRes(800, 600, 0);
  }
  void TearDown() override {
    kui_GUI::Reset();
    kui_GUI::SetInput(nullptr);
    UseSystemClock();
  }

  void Frame() { kui_GUI::Refresh(); }
  void MoveTo(int x, int y) {
    input_.x = x;
    input_.y = y;
    Frame();
  }
  void Press(int x, int y) {
    input_.x = x;
    input_.y = y;
    input_.down = true;
    Frame();
  }
  void Release(int x, int y) {
    input_.x = x;
    input_.y = y;
    input_.down = false;
    Frame();
  }
  void Click(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
  void Type(const std::string& text) {
    for (const char c : text) input_.chars.push_back(c);
    Frame();
  }
  void Key(int code) {
    ++input_.hits[code];
    Frame();
  }

  // The events waiting, oldest first; MouseOver reports left out unless asked for.
  static std::vector<kui_TEvent> Drain(bool withMouseOver = false) {
    std::vector<kui_TEvent> events;
    while (kui_PollEvent() != 0) {
      if (kui_EventID() == KUI_EVENT_MOUSEOVER && !withMouseOver) continue;
      kui_TEvent e;
      e.gID = kui_EventID();
      e.gSource = kui_EventSource();
      e.gData = kui_EventData();
      e.gX = kui_EventX();
      e.gY = kui_EventY();
      e.gExtra = kui_EventExtra();
      events.push_back(e);
    }
    return events;
  }
  // "id:source" for each event, to compare whole sequences at once.
  static std::vector<std::string> Names(const std::vector<kui_TEvent>& events) {
    std::vector<std::string> names;
    for (const kui_TEvent& e : events) names.push_back(std::to_string(e.gID) + ":" + (e.gSource ? e.gSource->gName : ""));
    return names;
  }

  TScriptedInput input_;
  TempFolder folder_;
};

// A shown screen with one full-screen panel to put gadgets on.
class PanelGuiTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    kui_TScreen* screen = kui_TScreen::Create("screen", "");
    panel_ = kui_TPanel::Create("pan", 0, 0, 800, 600, nullptr);
    screen->AddPanel(panel_);
    kui_ShowScreen(screen, 0);
  }
  kui_TPanel* panel_ = nullptr;
};
