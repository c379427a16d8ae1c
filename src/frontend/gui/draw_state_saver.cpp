#include "frontend/gui/draw_state_saver.h"

#include <algorithm>

#include "frontend/gui/gui.h"
#include "platform/draw_state.h"

kui_DrawStateSaver::kui_DrawStateSaver() {
  GetColor(r_, g_, b_);
  alpha_ = GetAlpha();
  blend_ = GetBlend();
  GetViewport(vx_, vy_, vw_, vh_);
  GetOrigin(originX_, originY_);
  GetHandle(handleX_, handleY_);
  rotation_ = GetRotation();
  GetScale(scaleX_, scaleY_);
  font_ = DrawState().image_font;
}

kui_DrawStateSaver::~kui_DrawStateSaver() {
  SetColor(r_, g_, b_);
  ::SetAlpha(alpha_);
  SetBlend(blend_);
  SetViewport(vx_, vy_, vw_, vh_);
  SetOrigin(originX_, originY_);
  SetHandle(handleX_, handleY_);
  SetRotation(rotation_);
  SetScale(scaleX_, scaleY_);
  SetImageFont(font_);
}

void kui_ClipTo(int x, int y, int w, int h) {
  int cx = 0, cy = 0, cw = 0, ch = 0;
  GetViewport(cx, cy, cw, ch);
  if (cw <= 0 && ch <= 0) {
    // No window: clip against the interface's own area.
    cw = kui_GUI::ScreenWidth();
    ch = kui_GUI::ScreenHeight();
  }
  const int left = std::max(x, cx), top = std::max(y, cy);
  const int right = std::min(x + w, cx + cw), bottom = std::min(y + h, cy + ch);
  SetViewport(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

void kui_SetDrawColour(const int rgb[3], float alpha) {
  SetColor(rgb[0], rgb[1], rgb[2]);
  ::SetAlpha(alpha);
}

kui_FontScope::kui_FontScope(TImageFont* font) : previous_(DrawState().image_font) { SetImageFont(font); }

kui_FontScope::~kui_FontScope() { SetImageFont(previous_); }
