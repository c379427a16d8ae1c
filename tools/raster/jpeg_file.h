// JPEG files through libjpeg: baseline, fixed quality and optimised Huffman tables.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace raster {

// Writes 8-bit RGB rows (width * height * 3 bytes); false with a reason in error on failure.
bool WriteJpeg(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb, int quality,
               std::string* error);

}  // namespace raster
