// Loading a skin: its pictures first, then fonts, panels, screens and the links between them.
#include "frontend/gui/button.h"
#include "frontend/gui/check_box.h"
#include "frontend/gui/combo_box.h"
#include "frontend/gui/combo_menu.h"
#include "frontend/gui/fonts.h"
#include "frontend/gui/gui_state.h"
#include "frontend/gui/panel.h"
#include "frontend/gui/progress_bar.h"
#include "frontend/gui/scroll_bar.h"
#include "frontend/gui/skin_reader.h"
#include "frontend/gui/slider.h"
#include "frontend/gui/text_field.h"

int kui_GUI::LoadSkin(const std::string& path) {
  kui_State().skinPath = path;
  kui_TPanel::RefreshSkin();
  kui_TButton::RefreshSkin();
  kui_TComboBox::RefreshSkin();
  kui_TComboMenu::RefreshSkin();
  kui_TProgressBar::RefreshSkin();
  kui_TCheckBox::RefreshSkin();
  kui_TScrollBar::RefreshSkin();
  kui_TTextField::RefreshSkin();
  kui_TSlider::RefreshSkin();
  LoadCursors();
  return 0;
}

int kui_GUI::LoadSkinFiles() {
  const std::string& path = SkinPath();
  kui_LoadFontsFile(path + "/Fonts/Fonts.xml");
  kui_LoadPanelFolder(path + "/Panels");
  kui_LoadScreenFolder(path + "/Screens");
  kui_ResolveLinks();
  return 0;
}
