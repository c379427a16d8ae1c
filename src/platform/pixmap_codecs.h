// The picture formats the drawing layer reads and writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixmap.h"

// Each returns null when the bytes are not a readable picture of that format.
PixmapPtr DecodePng(const std::vector<uint8_t>& bytes);
PixmapPtr DecodeJpeg(const std::vector<uint8_t>& bytes);
PixmapPtr DecodeBmp(const std::vector<uint8_t>& bytes);

// PNG bytes of the pixmap at a zlib compression level 0 (none) .. 9 (smallest).
std::vector<uint8_t> EncodePng(const TPixmap& pixmap, int compression);
// Writes the pixmap as a PNG file; returns 1 when the whole file was written.
int SavePixmapPNG(const TPixmap& pixmap, const std::string& location, int compression = 5);
