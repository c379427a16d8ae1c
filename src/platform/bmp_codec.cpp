// Uncompressed Windows bitmaps: 1, 4, 8 (palette), 24 and 32 bits a pixel.
#include <cstdlib>

#include "platform/pixmap_codecs.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

struct BmpHeader {
  size_t dataOffset = 0;
  size_t headerSize = 0;
  int width = 0;
  int height = 0;
  bool bottomUp = true;
  int bits = 0;
  uint32_t compression = 0;
  uint32_t paletteSize = 0;
};

bool ReadHeader(const std::vector<uint8_t>& b, BmpHeader& h) {
  if (b.size() < 54) return false;
  h.dataOffset = U32(b, 10);
  h.headerSize = U32(b, 14);
  if (h.headerSize < 40 || 14 + h.headerSize > b.size()) return false;
  h.width = static_cast<int32_t>(U32(b, 18));
  const int32_t rawHeight = static_cast<int32_t>(U32(b, 22));
  h.bottomUp = rawHeight > 0;
  h.height = std::abs(rawHeight);
  h.bits = U16(b, 28);
  h.compression = U32(b, 30);
  h.paletteSize = U32(b, 46);
  if (h.width <= 0 || h.height <= 0 || h.width > 16384 || h.height > 16384) return false;
  // 0 plain; 3 bit fields, taken as the usual BGRA order for 32-bit pictures.
  return h.compression == 0 || (h.compression == 3 && h.bits == 32);
}

uint32_t PaletteEntry(const std::vector<uint8_t>& b, const BmpHeader& h, uint32_t index) {
  const size_t at = 14 + h.headerSize + size_t(index) * 4;
  if (at + 4 > b.size()) return 0xFF000000u;
  return 0xFF000000u | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 1]) << 8 | b[at];
}

uint32_t PixelAt(const std::vector<uint8_t>& b, const BmpHeader& h, const uint8_t* row, int x) {
  switch (h.bits) {
    case 32: return uint32_t(row[x * 4 + 3]) << 24 | uint32_t(row[x * 4 + 2]) << 16 | uint32_t(row[x * 4 + 1]) << 8 | row[x * 4];
    case 24: return 0xFF000000u | uint32_t(row[x * 3 + 2]) << 16 | uint32_t(row[x * 3 + 1]) << 8 | row[x * 3];
    case 8: return PaletteEntry(b, h, row[x]);
    case 4: return PaletteEntry(b, h, (row[x / 2] >> ((1 - x % 2) * 4)) & 15);
    case 1: return PaletteEntry(b, h, (row[x / 8] >> (7 - x % 8)) & 1);
    default: return 0;
  }
}

}  // namespace

PixmapPtr DecodeBmp(const std::vector<uint8_t>& bytes) {
  BmpHeader h;
  if (!ReadHeader(bytes, h)) return nullptr;
  if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 24 && h.bits != 32) return nullptr;
  const size_t stride = ((size_t(h.width) * size_t(h.bits) + 31) / 32) * 4;
  if (h.dataOffset > bytes.size() || stride * size_t(h.height) > bytes.size() - h.dataOffset) return nullptr;
  // Most 32-bit bitmaps leave the fourth byte at 0: then it is not an alpha channel.
  bool alphaUsed = false;
  auto pixmap = std::make_unique<TPixmap>(h.width, h.height, kPixelRGBA8888);
  for (int y = 0; y < h.height; ++y) {
    const uint8_t* row = bytes.data() + h.dataOffset + stride * size_t(h.bottomUp ? h.height - 1 - y : y);
    for (int x = 0; x < h.width; ++x) {
      const uint32_t argb = PixelAt(bytes, h, row, x);
      alphaUsed = alphaUsed || (argb >> 24) != 0;
      pixmap->WritePixel(x, y, argb);
    }
  }
  if (h.bits == 32 && alphaUsed) return pixmap;
  return std::make_unique<TPixmap>(pixmap->Convert(kPixelRGB888));
}
