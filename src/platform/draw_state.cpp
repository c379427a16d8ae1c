#include "platform/draw_state.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics.h"
#include "platform/image_font.h"
#include "platform/render_driver.h"

namespace {

TMax2DGraphics& State() {
  static TMax2DGraphics state;
  return state;
}

int ClampByte(int value) { return std::clamp(value, 0, 255); }

void UpdateMatrix() {
  TMax2DGraphics& s = State();
  const double radians = double(s.tform_rot) * std::numbers::pi / 180.0;
  const float sine = float(std::sin(radians)), cosine = float(std::cos(radians));
  s.tform_ix = cosine * s.tform_scale_x;
  s.tform_iy = -sine * s.tform_scale_y;
  s.tform_jx = sine * s.tform_scale_x;
  s.tform_jy = cosine * s.tform_scale_y;
}

void ApplyViewport() {
  const TMax2DGraphics& s = State();
  const bool whole = s.viewport_x <= 0 && s.viewport_y <= 0 && s.viewport_x + s.viewport_w >= s.g_width &&
                     s.viewport_y + s.viewport_h >= s.g_height;
  RenderDriver().SetScissor(!whole, s.viewport_x, s.viewport_y, s.viewport_w, s.viewport_h);
}

}  // namespace

const TMax2DGraphics& DrawState() { return State(); }

void ResetDrawState(int width, int height) {
  TMax2DGraphics& s = State();
  const int maskR = s.mask_red, maskG = s.mask_green, maskB = s.mask_blue;
  s = TMax2DGraphics();
  s.mask_red = maskR;
  s.mask_green = maskG;
  s.mask_blue = maskB;
  s.g_width = width;
  s.g_height = height;
  s.viewport_w = width;
  s.viewport_h = height;
  s.vres_width = float(width);
  s.vres_height = float(height);
  ApplyViewport();
  RenderDriver().SetBlend(s.blend_mode);
}

void SetColor(int r, int g, int b) {
  TMax2DGraphics& s = State();
  s.color_red = ClampByte(r);
  s.color_green = ClampByte(g);
  s.color_blue = ClampByte(b);
}

void GetColor(int& r, int& g, int& b) {
  r = State().color_red;
  g = State().color_green;
  b = State().color_blue;
}

void SetAlpha(float alpha) {
  TMax2DGraphics& s = State();
  if (alpha > 1.0f) alpha = 1.0f;
  if (!(alpha >= 0.0f)) alpha = 0.0f;
  s.color_alpha = alpha;
  s.alpha_byte = int(alpha * 255.0f);
}

float GetAlpha() { return State().color_alpha; }

void SetBlend(int mode) { State().blend_mode = mode; }
int GetBlend() { return State().blend_mode; }

void SetRotation(float degrees) {
  State().tform_rot = degrees;
  UpdateMatrix();
}

float GetRotation() { return State().tform_rot; }

void SetScale(float sx, float sy) {
  State().tform_scale_x = sx;
  State().tform_scale_y = sy;
  UpdateMatrix();
}

void GetScale(float& sx, float& sy) {
  sx = State().tform_scale_x;
  sy = State().tform_scale_y;
}

void SetTransform(float degrees, float sx, float sy) {
  TMax2DGraphics& s = State();
  s.tform_rot = degrees;
  s.tform_scale_x = sx;
  s.tform_scale_y = sy;
  UpdateMatrix();
}

void SetHandle(float x, float y) {
  State().handle_x = -x;
  State().handle_y = -y;
}

void GetHandle(float& x, float& y) {
  x = -State().handle_x;
  y = -State().handle_y;
}

void SetOrigin(float x, float y) {
  State().origin_x = x;
  State().origin_y = y;
}

void GetOrigin(float& x, float& y) {
  x = State().origin_x;
  y = State().origin_y;
}

void SetViewport(int x, int y, int w, int h) {
  TMax2DGraphics& s = State();
  s.viewport_x = x;
  s.viewport_y = y;
  s.viewport_w = w;
  s.viewport_h = h;
  ApplyViewport();
}

void GetViewport(int& x, int& y, int& w, int& h) {
  x = State().viewport_x;
  y = State().viewport_y;
  w = State().viewport_w;
  h = State().viewport_h;
}

void SetLineWidth(float width) { State().line_width = width; }
float GetLineWidth() { return State().line_width; }

void SetMaskColor(int r, int g, int b) {
  State().mask_red = ClampByte(r);
  State().mask_green = ClampByte(g);
  State().mask_blue = ClampByte(b);
}

void GetMaskColor(int& r, int& g, int& b) {
  r = State().mask_red;
  g = State().mask_green;
  b = State().mask_blue;
}

void SetClsColor(int r, int g, int b) {
  State().clscolor_red = ClampByte(r);
  State().clscolor_green = ClampByte(g);
  State().clscolor_blue = ClampByte(b);
}

void Cls() {
  const TMax2DGraphics& s = State();
  RenderDriver().Clear(s.clscolor_red, s.clscolor_green, s.clscolor_blue);
}

void SetImageFont(TImageFont* font) { State().image_font = font; }

TImageFont* GetImageFont() { return State().image_font ? State().image_font : DefaultImageFont(); }
