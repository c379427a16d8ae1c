// The drawing helpers every view uses.
#pragma once

#include <string>

// Blend mode, alpha and colour, and rotation back to 0, in that order.
void SetDrawState(int r, int g, int b, float alpha, int blend);
// hAlign 0 left, 1 centre, 2 right; vAlign 0 top, 1 middle, 2 bottom. Draws at the scale and
// alpha given, then puts scale 1 and alpha 1 back.
void DrawTextAligned(const std::string& text, float x, float y, int hAlign, int vAlign, float scale, float alpha);
// The drawing colour from a colour text such as "$FFFF0000" (black when it is too short).
void SetColourText(const std::string& text);
