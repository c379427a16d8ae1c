// The toolkit's module-wide state (one instance), shared by the files of kui_GUI.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frontend/gui/gadget.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/gui_input.h"
#include "frontend/gui/screen.h"
#include "platform/image.h"
#include "platform/image_font.h"

struct kui_TLink {
  kui_TGadget* gadget = nullptr;
  std::string screen;
};

struct kui_TGUIState {
  std::string skinPath;
  std::vector<std::unique_ptr<kui_TGadget>> gadgets;  // owner of every gadget
  std::vector<std::unique_ptr<kui_TScreen>> ownedScreens;
  std::vector<kui_TGadget*> panels;
  std::vector<kui_TScreen*> screens;
  kui_TScreen* currentScreen = nullptr;
  std::vector<kui_TGadget*> popUps;
  std::vector<kui_TGadget*> extras;
  std::vector<kui_TFont> fonts;
  std::vector<ImageFontPtr> ownedFonts;
  std::vector<kui_TLink> links;
  std::map<std::string, ImagePtr> skinImages;
  kui_TGadget* activeGadget = nullptr;
  kui_TGadget* mouseOverGadget = nullptr;
  kui_TGadget* mousePanel = nullptr;
  int cursorIndex = 0;
  int systemCursor = 0;
  int screenWidth = 800;
  int screenHeight = 600;
  std::array<TImage*, 4> cursors{};
  kui_RGB tint{255, 255, 255};
  kui_TInput* input = nullptr;
  int mouseWasDown = 0;
  int mousePressed = 0;
};

kui_TGUIState& kui_State();
