// Saving a canvas in the form the game loads it:
//   kRgba    PNG with alpha: soft edges and glows (transparent pixels are black);
//   kMasked  PNG without alpha: pixels less than half covered become the mask colour
//            255,0,255 (which the game makes transparent), the rest are painted over black;
//   kOpaque  PNG without alpha, painted over black;
//   kJpeg    JPEG painted over black (quality 92).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster/canvas.h"

namespace raster {

enum class PictureFormat { kRgba, kMasked, kOpaque, kJpeg };

constexpr uint8_t kMaskRed = 255, kMaskGreen = 0, kMaskBlue = 255;

// "rgba", "masked", "opaque", "jpeg"; false for any other name.
bool ParsePictureFormat(const std::string& name, PictureFormat* format);
// The canvas as 8-bit rows with 3 (kMasked, kOpaque, kJpeg) or 4 (kRgba) channels.
std::vector<uint8_t> ToBytes(const Canvas& canvas, PictureFormat format);
// Writes the canvas to path, making its folder; false with a reason in error on failure.
bool SavePicture(const Canvas& canvas, PictureFormat format, const std::string& path, std::string* error);

}  // namespace raster
