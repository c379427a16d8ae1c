// The drawing state: one current set of colour, alpha, blend mode, transform, handle,
// origin, clip rectangle and font, taken by every following drawing call.
#pragma once

class TImageFont;

struct TMax2DGraphics {
  int color_red = 255, color_green = 255, color_blue = 255;
  float color_alpha = 1.0f;
  int clscolor_red = 0, clscolor_green = 0, clscolor_blue = 0;
  float line_width = 1.0f;
  float tform_rot = 0;
  float tform_scale_x = 1, tform_scale_y = 1;
  float tform_ix = 1, tform_iy = 0, tform_jx = 0, tform_jy = 1;
  int viewport_x = 0, viewport_y = 0, viewport_w = 0, viewport_h = 0;
  float origin_x = 0, origin_y = 0;
  float handle_x = 0, handle_y = 0;  // stored negated
  TImageFont* image_font = nullptr;  // null: the built-in default font
  int blend_mode = 1;
  float vres_width = 0, vres_height = 0, vres_mousexscale = 1, vres_mouseyscale = 1;
  int g_width = 0, g_height = 0;
  int mask_red = 0, mask_green = 0, mask_blue = 0;
  // The alpha as drawn: Int(color_alpha * 255).
  int alpha_byte = 255;
};

// The current state (read-only for callers; change it through the setters).
const TMax2DGraphics& DrawState();
// The values a freshly opened width x height window starts with.
void ResetDrawState(int width, int height);

// Clamped to 0..255; multiplied with every drawn pixel.
void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
// Clamped to 0..1 (anything not at least 0 gives 0), kept as a byte.
void SetAlpha(float alpha);
float GetAlpha();
// 1 mask, 2 solid, 3 alpha, 4 light, 5 shade.
void SetBlend(int mode);
int GetBlend();
void SetRotation(float degrees);
float GetRotation();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
void SetTransform(float degrees = 0, float sx = 1, float sy = 1);
// The global handle for shapes and text.
void SetHandle(float x, float y);
void GetHandle(float& x, float& y);
void SetOrigin(float x, float y);
void GetOrigin(float& x, float& y);
// Clips all drawing to the rectangle; covering the whole window switches clipping off.
void SetViewport(int x, int y, int w, int h);
void GetViewport(int& x, int& y, int& w, int& h);
void SetLineWidth(float width);
float GetLineWidth();
// The colour that masked images without alpha make transparent, captured when they are made.
void SetMaskColor(int r, int g, int b);
void GetMaskColor(int& r, int& g, int& b);
void SetClsColor(int r, int g, int b);
// Fills the back buffer (within the clip rectangle) with the clear colour.
void Cls();
// null selects the built-in default font.
void SetImageFont(TImageFont* font);
// The current font, never null.
TImageFont* GetImageFont();
