// TrueType and OpenType faces through FreeType, rendered to coverage bitmaps.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <vector>

#include "platform/image_font.h"
#include "platform/open_stream.h"

namespace {

// FreeType itself, started once and kept for the whole run (fonts live that long too).
FT_Library Library() {
  static FT_Library library = [] {
    FT_Library made = nullptr;
    return FT_Init_FreeType(&made) == 0 ? made : nullptr;
  }();
  return library;
}

class TFreeTypeSource : public TFontSource {
 public:
  TFreeTypeSource(std::vector<unsigned char> bytes, FT_Face face, int style)
      : bytes_(std::move(bytes)), face_(face), style_(style) {
    ascender_ = int((face_->size->metrics.ascender + 63) >> 6);
    lineHeight_ = int((face_->size->metrics.height + 63) >> 6);
  }
  ~TFreeTypeSource() override { FT_Done_Face(face_); }
  TFreeTypeSource(const TFreeTypeSource&) = delete;
  TFreeTypeSource& operator=(const TFreeTypeSource&) = delete;

  int LineHeight() const override { return lineHeight_; }

  bool RenderGlyph(uint32_t code, TGlyphBitmap& out) override {
    const FT_UInt index = FT_Get_Char_Index(face_, code);
    if (index == 0) return false;
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT) != 0) return false;
    if (style_ & kBoldFont) FT_GlyphSlot_Embolden(face_->glyph);
    if (style_ & kItalicFont) FT_GlyphSlot_Oblique(face_->glyph);
    if (FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL) != 0) return false;
    const FT_GlyphSlot slot = face_->glyph;
    out.advance = float(slot->advance.x) / 64.0f;
    out.x = slot->bitmap_left;
    out.y = ascender_ - slot->bitmap_top;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.width == 0 || bitmap.rows == 0) return true;
    out.pixmap = std::make_unique<TPixmap>(int(bitmap.width), int(bitmap.rows), kPixelRGBA8888);
    for (unsigned y = 0; y < bitmap.rows; ++y) {
      const unsigned char* row = bitmap.buffer + int(y) * bitmap.pitch;
      for (unsigned x = 0; x < bitmap.width; ++x) {
        const unsigned coverage = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x / 8] >> (7 - x % 8)) & 1) * 255u
                                                                          : row[x];
        out.pixmap->WritePixel(int(x), int(y), coverage << 24 | 0xFFFFFFu);
      }
    }
    return true;
  }

 private:
  std::vector<unsigned char> bytes_;  // FreeType reads the face from these while it lives
  FT_Face face_;
  int style_;
  int ascender_ = 0;
  int lineHeight_ = 0;
};

}  // namespace

std::unique_ptr<TFontSource> MakeFreeTypeSource(const std::string& location, int size, int style) {
  if (!Library() || size <= 0) return nullptr;
  StreamPtr stream = ReadStream(location);
  if (!stream) return nullptr;
  const std::string all = stream->ReadAll();
  stream->Close();
  std::vector<unsigned char> bytes(all.begin(), all.end());
  FT_Face face = nullptr;
  if (FT_New_Memory_Face(Library(), bytes.data(), FT_Long(bytes.size()), 0, &face) != 0) return nullptr;
  if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(size)) != 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  return std::make_unique<TFreeTypeSource>(std::move(bytes), face, style);
}
