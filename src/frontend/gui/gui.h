// The toolkit's one state: the skin, the panels, screens, pop-ups and floating extras,
// fonts, the gadget that holds the mouse, cursors and the per-frame refresh.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frontend/gui/gadget.h"
#include "frontend/gui/screen.h"

class TImage;
class TImageFont;
class kui_TInput;

class kui_TFont {
 public:
  TImageFont* gFont = nullptr;  // null when the file could not be loaded: the built-in font
  std::string gName;
};

class kui_GUI {
 public:
  // Remembers the skin folder, loads each gadget type's skin images and the cursors.
  static int LoadSkin(const std::string& path);
  // Reads "/Fonts/Fonts.xml", every panel file, every screen file, then resolves the links.
  static int LoadSkinFiles();
  static const std::string& SkinPath();

  static int AddFont(const std::string& name, const std::string& url, int size);
  // Registers an already loaded font under a name (the game's own "Default" and "Large").
  static int AddFont(const std::string& name, TImageFont* font);
  static TImageFont* GetFont(const std::string& name);
  static const std::vector<kui_TFont>& Fonts();

  static void SetRes(int width, int height, int systemCursor);
  static int ScreenWidth();
  static int ScreenHeight();

  static void SetScreen(kui_TScreen* screen);
  static kui_TScreen* CurrentScreen();
  static kui_TScreen* GetScreen(const std::string& name);
  static kui_TScreen* AddScreen(std::unique_ptr<kui_TScreen> screen);
  static const std::vector<kui_TScreen*>& Screens();

  static void AddPanel(kui_TGadget* panel);
  static kui_TGadget* GetPanel(const std::string& name);
  static const std::vector<kui_TGadget*>& Panels();
  static void AddExtra(kui_TGadget* gadget);
  static const std::vector<kui_TGadget*>& Extras();
  static int OpenPopUp(const std::string& name);
  static int ClosePopUp(const std::string& name);
  static const std::vector<kui_TGadget*>& PopUps();

  // True when no gadget holds the mouse or gadget is the one that does.
  static bool ActiveGadget(const kui_TGadget* gadget);
  static kui_TGadget* GetActiveGadget();
  static void ClearActiveGadget();
  static void SetActiveGadget(kui_TGadget* gadget);
  // The first report of a frame wins and posts MouseOver.
  static void SetMouseOver(kui_TGadget* gadget, int x, int y);
  static kui_TGadget* MouseOverGadget();
  static void SetFocusPanel(kui_TGadget* panel);
  static kui_TGadget* FocusPanel();

  static void SetCursor(int index);
  static int CursorIndex();
  static int SystemCursor(int flag);
  static void LoadCursors();
  static void DrawCursor();

  static void RenderExtra();
  static void UpdateExtra();
  static void RenderPopUps();
  static void UpdatePopUps();
  // The frame: draw screen, pop-ups and extras; update extras, pop-ups, then the screen.
  static int Refresh();

  // What the toolkit reads the mouse and keys from; null goes back to the default input.
  static void SetInput(kui_TInput* input);
  static kui_TInput& Input();
  // 1 in the frame in which mouse button 1 went down.
  static int MousePressed();

  static void SetTint(const kui_RGB& tint);
  static const kui_RGB& Tint();

  // Takes ownership of a new gadget; gadgets live until Reset.
  template <class T>
  static T* Adopt(std::unique_ptr<T> gadget) {
    T* raw = gadget.get();
    AdoptGadget(std::move(gadget));
    return raw;
  }
  // Forgets every gadget, screen, font, image and event: a clean toolkit.
  static void Reset();

 private:
  static void AdoptGadget(std::unique_ptr<kui_TGadget> gadget);
};

// The game's entry points.
int kui_SetSkinColours(const std::string& panelHex, const std::string& buttonHex, const std::string& textHex,
                       float alpha, const std::string& tintHex);
int kui_SetResolution(int width, int height);
int kui_ShowScreen(kui_TScreen* screen, int post = 0);
int kui_ShowScreen(const std::string& name, int post = 0);
std::string kui_CurrentScreenName();
int kui_ShowPanel(const std::string& name);
int kui_HidePanel(const std::string& name);
// "pan_start/btn_quickrace": a panel by name, then a child per segment, ignoring case.
kui_TGadget* kui_FindGadget(const std::string& path, kui_TGadget* root = nullptr);
