#include "platform/image_font.h"

TImageGlyph* TImageFont::Glyph(uint32_t code) {
  const auto found = _glyphs.find(code);
  if (found != _glyphs.end()) return found->second.get();
  if (missing_.count(code)) return nullptr;
  TGlyphBitmap bitmap;
  if (!_src_font->RenderGlyph(code, bitmap)) {
    missing_[code] = true;
    return nullptr;
  }
  auto glyph = std::make_unique<TImageGlyph>();
  glyph->_advance = bitmap.advance;
  glyph->_x = bitmap.x;
  glyph->_y = bitmap.y;
  if (bitmap.pixmap) {
    glyph->_w = bitmap.pixmap->width;
    glyph->_h = bitmap.pixmap->height;
    glyph->_image = LoadImage(*bitmap.pixmap, _imageFlags);
  }
  TImageGlyph* result = glyph.get();
  _glyphs[code] = std::move(glyph);
  return result;
}

ImageFontPtr LoadImageFont(const std::string& location, int size, int style) {
  std::unique_ptr<TFontSource> source = MakeFreeTypeSource(location, size, style);
  if (!source) return nullptr;
  const int flags = (style & kSmoothFont) ? kFilteredImage | kMipmappedImage : 0;
  return std::make_unique<TImageFont>(std::move(source), flags);
}

TImageFont* DefaultImageFont() {
  static TImageFont* font = new TImageFont(MakeBuiltInFontSource(), 0);
  return font;
}
