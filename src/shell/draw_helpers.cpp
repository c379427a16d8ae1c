#include "shell/draw_helpers.h"

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "shell/colour.h"

namespace {

// The shift for an alignment: half the size taken as an integer, or the whole size.
float AlignShift(int align, int size, float scale) {
  if (align == 1) return float(size / 2) * scale;
  if (align == 2) return float(size) * scale;
  return 0;
}

}  // namespace

void SetDrawState(int r, int g, int b, float alpha, int blend) {
  SetBlend(blend);
  SetAlpha(alpha);
  SetColor(r, g, b);
  SetRotation(0);
}

void DrawTextAligned(const std::string& text, float x, float y, int hAlign, int vAlign, float scale, float alpha) {
  x -= AlignShift(hAlign, TextWidth(text), scale);
  y -= AlignShift(vAlign, TextHeight(text), scale);
  SetScale(scale, scale);
  SetAlpha(alpha);
  DrawText(text, x, y);
  SetScale(1, 1);
  SetAlpha(1);
}

void SetColourText(const std::string& text) {
  int r = 0, g = 0, b = 0;
  ParseColour(text, r, g, b);
  SetColor(r, g, b);
}
