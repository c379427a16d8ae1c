#include "frontend/gui/screen.h"

#include <memory>

#include "frontend/gui/gadget.h"
#include "frontend/gui/gui.h"

kui_TScreen* kui_TScreen::Create(const std::string& name, const std::string& family) {
  auto screen = std::make_unique<kui_TScreen>();
  screen->gName = name;
  screen->gFamily = family;
  return kui_GUI::AddScreen(std::move(screen));
}

void kui_TScreen::Render() {
  for (kui_TGadget* panel : gPanels) panel->Render(0, 0);
}

void kui_TScreen::Update() {
  const std::vector<kui_TGadget*> panels = gPanels;
  for (auto it = panels.rbegin(); it != panels.rend(); ++it) (*it)->Update(0, 0);
}

void kui_TScreen::AddPanel(kui_TGadget* panel) {
  if (panel) gPanels.push_back(panel);
}

kui_TGadget* kui_TScreen::GetPanel(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (kui_TGadget* panel : gPanels) {
    if (kui_SameName(panel->gName, name)) return panel;
  }
  return nullptr;
}
