// What the date and search boxes share with the combo box: a box drawn from the combo box
// picture that opens a floating panel below itself, or above it near the bottom.
#pragma once

#include "frontend/gui/gadget.h"

// Draws the box background, its text and the arrow at the box's screen position.
void kui_DrawDropDownBox(const kui_TGadget& box, const std::string& text, float x, float y);
// Where a panel of the given height opens under (or, when it would pass the bottom of
// the interface, over) a box at screen y with height h.
float kui_DropDownY(float boxY, float boxH, float panelH);
// A floating panel's press-outside rule: true when the mouse went down while no gadget
// holds it (or the panel itself does).
bool kui_PressedOutside(const kui_TGadget& panel);
