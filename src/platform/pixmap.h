// Pictures in memory: rows of 8-bit pixels, either RGB or RGBA.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

inline constexpr int kPixelRGB888 = 3;    // three bytes a pixel, no alpha
inline constexpr int kPixelRGBA8888 = 4;  // four bytes a pixel, straight alpha

class TPixmap {
 public:
  TPixmap(int width, int height, int format);

  std::vector<uint8_t> pixels;
  int width = 0;
  int height = 0;
  int pitch = 0;   // bytes from one row to the next
  int format = kPixelRGBA8888;
  int capacity = 0;

  int BytesPerPixel() const { return format; }
  bool HasAlpha() const { return format == kPixelRGBA8888; }
  uint8_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * pitch; }
  const uint8_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * pitch; }

  // The pixel as 0xAARRGGBB (alpha 255 without an alpha channel); 0 outside the picture.
  uint32_t ReadPixel(int x, int y) const;
  // Writes 0xAARRGGBB (the alpha is dropped without an alpha channel); ignored outside.
  void WritePixel(int x, int y, uint32_t argb);
  // Every pixel set to argb.
  void ClearPixels(uint32_t argb);
  // A copy converted to format.
  TPixmap Convert(int toFormat) const;
  // A w x h part starting at (x, y); parts outside the picture read as transparent black.
  TPixmap Window(int x, int y, int w, int h) const;
  // A copy halved in each dimension (box filter), at least 1 x 1.
  TPixmap Halved() const;
  // A copy stretched to w x h (nearest pixel).
  TPixmap Resized(int w, int h) const;
};

using PixmapPtr = std::unique_ptr<TPixmap>;

// Reads a PNG, JPEG or BMP picture from a location ("incbin::" allowed); null when the
// file is missing or is not a picture this layer can read.
PixmapPtr LoadPixmap(const std::string& location);
// The same from bytes in memory.
PixmapPtr DecodePixmap(const std::vector<uint8_t>& bytes);
inline int PixmapWidth(const TPixmap& pixmap) { return pixmap.width; }
inline int PixmapHeight(const TPixmap& pixmap) { return pixmap.height; }
