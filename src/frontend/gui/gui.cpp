#include "frontend/gui/gui.h"

#include "frontend/gui/draw_state_saver.h"
#include "frontend/gui/gui_state.h"
#include "frontend/gui/skin_images.h"
#include "platform/debug_output.h"

kui_TGUIState& kui_State() {
  static kui_TGUIState* state = new kui_TGUIState;
  return *state;
}

const std::string& kui_GUI::SkinPath() { return kui_State().skinPath; }

void kui_GUI::SetRes(int width, int height, int systemCursor) {
  kui_State().screenWidth = width;
  kui_State().screenHeight = height;
  kui_State().systemCursor = systemCursor;
}

int kui_GUI::ScreenWidth() { return kui_State().screenWidth; }
int kui_GUI::ScreenHeight() { return kui_State().screenHeight; }

void kui_GUI::SetScreen(kui_TScreen* screen) {
  if (!screen) {
    DebugLog("Null Screen when attempting to set screen");
    return;
  }
  kui_State().currentScreen = screen;
}

kui_TScreen* kui_GUI::CurrentScreen() { return kui_State().currentScreen; }

kui_TScreen* kui_GUI::GetScreen(const std::string& name) {
  for (kui_TScreen* screen : kui_State().screens) {
    if (kui_SameName(screen->gName, name)) return screen;
  }
  return nullptr;
}

kui_TScreen* kui_GUI::AddScreen(std::unique_ptr<kui_TScreen> screen) {
  kui_TScreen* raw = screen.get();
  kui_State().ownedScreens.push_back(std::move(screen));
  kui_State().screens.push_back(raw);
  return raw;
}

const std::vector<kui_TScreen*>& kui_GUI::Screens() { return kui_State().screens; }

void kui_GUI::AddPanel(kui_TGadget* panel) {
  if (panel) kui_State().panels.push_back(panel);
}

kui_TGadget* kui_GUI::GetPanel(const std::string& name) {
  if (name.empty()) return nullptr;
  for (kui_TGadget* panel : kui_State().panels) {
    if (kui_SameName(panel->gName, name)) return panel;
  }
  return nullptr;
}

const std::vector<kui_TGadget*>& kui_GUI::Panels() { return kui_State().panels; }

void kui_GUI::AddExtra(kui_TGadget* gadget) {
  if (gadget) kui_State().extras.push_back(gadget);
}

const std::vector<kui_TGadget*>& kui_GUI::Extras() { return kui_State().extras; }

int kui_GUI::OpenPopUp(const std::string& name) {
  kui_TGadget* panel = GetPanel(name);
  if (!panel) {
    DebugLog("Cannot pop up panel: Panel not found");
    return 0;
  }
  kui_State().popUps.push_back(panel);
  return 0;
}

int kui_GUI::ClosePopUp(const std::string& name) {
  std::vector<kui_TGadget*>& popUps = kui_State().popUps;
  std::erase_if(popUps, [&](const kui_TGadget* panel) { return panel->gName == name; });
  return 0;
}

const std::vector<kui_TGadget*>& kui_GUI::PopUps() { return kui_State().popUps; }

bool kui_GUI::ActiveGadget(const kui_TGadget* gadget) {
  return !kui_State().activeGadget || kui_State().activeGadget == gadget;
}

kui_TGadget* kui_GUI::GetActiveGadget() { return kui_State().activeGadget; }
void kui_GUI::ClearActiveGadget() { kui_State().activeGadget = nullptr; }
void kui_GUI::SetActiveGadget(kui_TGadget* gadget) { kui_State().activeGadget = gadget; }

void kui_GUI::SetMouseOver(kui_TGadget* gadget, int x, int y) {
  if (kui_State().mouseOverGadget) return;
  kui_State().mouseOverGadget = gadget;
  kui_PostEvent(KUI_EVENT_MOUSEOVER, gadget, 0, x, y);
}

kui_TGadget* kui_GUI::MouseOverGadget() { return kui_State().mouseOverGadget; }
void kui_GUI::SetFocusPanel(kui_TGadget* panel) { kui_State().mousePanel = panel; }
kui_TGadget* kui_GUI::FocusPanel() { return kui_State().mousePanel; }

void kui_GUI::SetInput(kui_TInput* input) { kui_State().input = input; }

kui_TInput& kui_GUI::Input() { return kui_State().input ? *kui_State().input : kui_DefaultInput(); }

int kui_GUI::MousePressed() { return kui_State().mousePressed; }

void kui_GUI::SetTint(const kui_RGB& tint) { kui_State().tint = tint; }
const kui_RGB& kui_GUI::Tint() { return kui_State().tint; }

void kui_GUI::AdoptGadget(std::unique_ptr<kui_TGadget> gadget) { kui_State().gadgets.push_back(std::move(gadget)); }

void kui_GUI::Reset() {
  kui_TInput* input = kui_State().input;
  kui_TGUIState& state = kui_State();
  state = kui_TGUIState();
  state.input = input;
  kui_ClearEvents();
}

void kui_GUI::RenderExtra() {
  for (kui_TGadget* extra : kui_State().extras) extra->Render(0, 0);
}

void kui_GUI::UpdateExtra() {
  const std::vector<kui_TGadget*> extras = kui_State().extras;
  for (auto it = extras.rbegin(); it != extras.rend(); ++it) (*it)->Update(0, 0);
}

void kui_GUI::RenderPopUps() {
  for (kui_TGadget* panel : kui_State().popUps) panel->Render(0, 0);
}

void kui_GUI::UpdatePopUps() {
  const std::vector<kui_TGadget*> popUps = kui_State().popUps;
  for (auto it = popUps.rbegin(); it != popUps.rend(); ++it) (*it)->Update(0, 0);
}

namespace {

int VisibleExtras() {
  int count = 0;
  for (const kui_TGadget* extra : kui_State().extras) count += extra->gHidden ? 0 : 1;
  return count;
}

void NoteMouseButton() {
  kui_TGUIState& state = kui_State();
  const int down = kui_GUI::Input().MouseDown(1) ? 1 : 0;
  state.mousePressed = down && !state.mouseWasDown;
  state.mouseWasDown = down;
}

}  // namespace

int kui_GUI::Refresh() {
  kui_DrawStateSaver saved;
  kui_TGUIState& state = kui_State();
  state.mouseOverGadget = nullptr;
  state.mousePanel = nullptr;
  state.cursorIndex = 0;
  NoteMouseButton();
  if (state.currentScreen) state.currentScreen->Render();
  RenderPopUps();
  RenderExtra();
  // A menu that a press closes in this frame still takes that press: it does not fall
  // through to the screen (nor reopen the combo box it came from).
  const int extrasShownBefore = VisibleExtras();
  UpdateExtra();
  const int extrasShown = extrasShownBefore + VisibleExtras();
  UpdatePopUps();
  if (state.popUps.empty() && extrasShown == 0 && state.currentScreen) state.currentScreen->Update();
  DrawCursor();
  return 0;
}
