// PNG files through libpng: 8-bit RGB or RGBA, no time stamp or other varying chunk, a fixed
// compression level, so the same pixels always give the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace raster {

struct PngPicture {
  int width = 0;
  int height = 0;
  int channels = 0;  // 3 RGB or 4 RGBA, as stored in the file
  std::vector<uint8_t> pixels;  // rows top to bottom, channels per pixel
};

// Writes pixels (channels 3 or 4); false with a reason in error when it fails.
bool WritePng(const std::string& path, const PngPicture& picture, std::string* error);
// Reads an 8-bit RGB or RGBA PNG as stored (palette and grey pictures are expanded to RGB).
bool ReadPng(const std::string& path, PngPicture* picture, std::string* error);

}  // namespace raster
