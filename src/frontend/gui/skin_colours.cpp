// Recolouring the whole skin at once, and placing the 800 x 600 layout in a larger window.
#include "frontend/gui/gui.h"
#include "frontend/gui/progress_bar.h"
#include "frontend/gui/table.h"

namespace {

struct TSkinColours {
  std::string panelHex, buttonHex, textHex;
  float alpha = 1;
};

void ColourDescendants(kui_TGadget* gadget, const TSkinColours& c) {
  for (kui_TGadget* child : gadget->gChildren) {
    if (dynamic_cast<kui_TProgressBar*>(child)) {
      child->HexTextColour("000000");
    } else if (auto* table = dynamic_cast<kui_TTable*>(child)) {
      kui_RGB panel{255, 255, 255};
      kui_ParseHexColour(c.panelHex, panel);
      for (int i = 0; i < table->CountColumns(); ++i) {
        table->SetColour(int(panel[0] * 0.9), int(panel[1] * 0.9), int(panel[2] * 0.9), 0, i);
        table->HexTextColour(c.textHex, 0, i);
        table->SetAlpha(c.alpha, 0, i);
      }
    } else {
      child->HexColour(c.buttonHex);
      child->HexTextColour(c.textHex);
    }
    ColourDescendants(child, c);
  }
}

}  // namespace

int kui_SetSkinColours(const std::string& panelHex, const std::string& buttonHex, const std::string& textHex,
                       float alpha, const std::string& tintHex) {
  kui_RGB tint{255, 255, 255};
  if (kui_ParseHexColour(tintHex, tint)) kui_GUI::SetTint(tint);
  const TSkinColours colours{panelHex, buttonHex, textHex, alpha};
  for (kui_TGadget* panel : kui_GUI::Panels()) {
    panel->HexColour(panelHex);
    panel->HexTextColour(textHex);
    panel->SetAlpha(alpha);
    ColourDescendants(panel, colours);
  }
  for (kui_TGadget* extra : kui_GUI::Extras()) {
    extra->HexColour(buttonHex);
    extra->HexTextColour(textHex);
    ColourDescendants(extra, colours);
  }
  return 0;
}

int kui_SetResolution(int width, int height) {
  kui_GUI::SetRes(width, height, 0);
  const int dx = width > 800 ? (width - 800) / 2 : 0;
  const int dy = height > 600 ? (height - 600) / 2 : 0;
  // Nested panels move with their parents: moving them again would push them out of place.
  for (kui_TGadget* panel : kui_GUI::Panels()) {
    if (!panel->gParent) panel->MoveGadget(float(dx), float(dy));
  }
  return 0;
}
