#include "platform/draw.h"
#include "platform/draw_transform.h"
#include "platform/image_font.h"

void DrawText(const std::string& text, float x, float y) {
  TImageFont* font = GetImageFont();
  const TMax2DGraphics& s = DrawState();
  // The pen starts at the position less the global handle, put through the matrix.
  float penX = x + s.handle_x * s.tform_ix + s.handle_y * s.tform_iy;
  float penY = y + s.handle_x * s.tform_jx + s.handle_y * s.tform_jy;
  for (const char32_t code : DecodeText(text)) {
    TImageGlyph* glyph = font->Glyph(code);
    if (!glyph) continue;
    if (glyph->_image) {
      TGLImageFrame* frame = glyph->_image->Frame(0);
      const float gx = float(glyph->_x), gy = float(glyph->_y);
      if (frame) {
        frame->Draw(gx, gy, gx + float(glyph->_w), gy + float(glyph->_h), penX, penY, 0, 0, float(glyph->_w),
                    float(glyph->_h), glyph->_w, glyph->_h);
      }
    }
    penX += glyph->_advance * s.tform_ix;
    penY += glyph->_advance * s.tform_jx;
  }
}

int TextWidth(const std::string& text) {
  TImageFont* font = GetImageFont();
  int width = 0;
  for (const char32_t code : DecodeText(text)) {
    const TImageGlyph* glyph = font->Glyph(code);
    if (glyph) width = int(float(width) + glyph->_advance);
  }
  return width;
}

int TextHeight(const std::string&) { return GetImageFont()->Height(); }
