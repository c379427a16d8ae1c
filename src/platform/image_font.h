// Fonts as images: each glyph becomes a small image the first time it is drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/image.h"
#include "platform/utf8.h"

inline constexpr int kBoldFont = 1;
inline constexpr int kItalicFont = 2;
inline constexpr int kSmoothFont = 4;  // filtered, mipmapped glyph images

// A glyph as its source renders it: coverage as white pixels with alpha.
struct TGlyphBitmap {
  PixmapPtr pixmap;  // null for a blank glyph (a space)
  float advance = 0;
  int x = 0, y = 0;  // the bitmap's top left relative to the pen
};

// Where glyphs come from: a TrueType face at one size, or the built-in bitmap font.
class TFontSource {
 public:
  virtual ~TFontSource() = default;
  // False when the font has no glyph for the character.
  virtual bool RenderGlyph(uint32_t code, TGlyphBitmap& out) = 0;
  virtual int LineHeight() const = 0;
};

class TImageGlyph {
 public:
  ImagePtr _image;  // null for blank glyphs
  float _advance = 0;
  int _x = 0, _y = 0, _w = 0, _h = 0;
};

class TImageFont {
 public:
  TImageFont(std::unique_ptr<TFontSource> source, int imageFlags)
      : _src_font(std::move(source)), _imageFlags(imageFlags) {}

  std::unique_ptr<TFontSource> _src_font;
  std::unordered_map<uint32_t, std::unique_ptr<TImageGlyph>> _glyphs;
  int _imageFlags = 0;

  // The glyph of a character, made on first use; null when the font lacks it.
  TImageGlyph* Glyph(uint32_t code);
  int Height() const { return _src_font->LineHeight(); }

 private:
  std::unordered_map<uint32_t, bool> missing_;
};

using ImageFontPtr = std::unique_ptr<TImageFont>;

// A TrueType or OpenType font at a pixel size; style bits: kBoldFont, kItalicFont,
// kSmoothFont. Null when the file is missing or is not a font.
ImageFontPtr LoadImageFont(const std::string& location, int size, int style = kSmoothFont);
// The built-in font (characters 32 to 127), always there.
TImageFont* DefaultImageFont();
std::unique_ptr<TFontSource> MakeBuiltInFontSource();
std::unique_ptr<TFontSource> MakeFreeTypeSource(const std::string& location, int size, int style);
