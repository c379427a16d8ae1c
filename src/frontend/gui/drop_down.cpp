#include "frontend/gui/drop_down.h"

#include "frontend/gui/gui.h"
#include "frontend/gui/gui_input.h"
#include "frontend/gui/skin_images.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/image_font.h"

void kui_DrawDropDownBox(const kui_TGadget& box, const std::string& text, float x, float y) {
  SetColor(box.gColour[0], box.gColour[1], box.gColour[2]);
  ::SetAlpha(box.gAlpha);
  kui_DrawNineSlice(kui_SkinImage("/graphics/combobox.png"), x, y, box.gW, box.gH);
  if (TImage* arrow = kui_SkinImage("/graphics/combobox arrow.png")) DrawImage(arrow, x + box.gW - 12, y + box.gH - 10);
  SetImageFont(box.gFont);
  SetColor(box.gTextColour[0], box.gTextColour[1], box.gTextColour[2]);
  ::SetAlpha(box.gTextAlpha);
  DrawText(text, x + 5, y + 3);
}

float kui_DropDownY(float boxY, float boxH, float panelH) {
  const float below = boxY + boxH + 2;
  return below + panelH > float(kui_GUI::ScreenHeight()) ? boxY - 2 - panelH : below;
}

bool kui_PressedOutside(const kui_TGadget& panel) {
  return !panel.gHidden && kui_GUI::ActiveGadget(&panel) && kui_GUI::Input().MouseDown(1);
}
