// The toolkit calls the game makes: screens, panels and lookup by path.
#include <sstream>

#include "frontend/gui/gui.h"
#include "platform/debug_output.h"

int kui_ShowScreen(kui_TScreen* screen, int post) {
  if (!screen) {
    DebugLog("Null Screen when attempting to set screen");
    return 0;
  }
  kui_GUI::SetScreen(screen);
  if (post) kui_PostEvent(KUI_EVENT_SETSCREEN, nullptr, 0, 0, 0, screen);
  return 0;
}

int kui_ShowScreen(const std::string& name, int post) { return kui_ShowScreen(kui_GUI::GetScreen(name), post); }

std::string kui_CurrentScreenName() {
  const kui_TScreen* screen = kui_GUI::CurrentScreen();
  return screen ? screen->gName : std::string();
}

int kui_ShowPanel(const std::string& name) {
  if (kui_TGadget* panel = kui_GUI::GetPanel(name)) panel->Show();
  return 0;
}

int kui_HidePanel(const std::string& name) {
  if (kui_TGadget* panel = kui_GUI::GetPanel(name)) panel->Hide();
  return 0;
}

kui_TGadget* kui_FindGadget(const std::string& path, kui_TGadget* root) {
  std::stringstream segments(path);
  std::string segment;
  kui_TGadget* gadget = root;
  bool first = true;
  // getline drops a trailing empty segment; count separators to catch "pan/".
  if (!path.empty() && path.back() == '/') return nullptr;
  while (std::getline(segments, segment, '/')) {
    gadget = (first && !root) ? kui_GUI::GetPanel(segment) : (gadget ? gadget->GetChild(segment) : nullptr);
    first = false;
    if (!gadget) return nullptr;
  }
  return first ? nullptr : gadget;
}
