// The interface skin's pictures: the gadget frames (cut by the toolkit into nine 5 x 5 tiles,
// two 15 x 15 frames or thumb ends), the scroll arrows and the four mouse cursors. They are
// painted in light greys so the toolkit's skin colours tint them.
#pragma once

#include <string>
#include <vector>

#include "raster/canvas.h"

namespace skin_art {

struct SkinPicture {
  std::string path;  // under the skin folder, e.g. "graphics/panel.png"
  raster::Canvas canvas;
};

std::vector<SkinPicture> PaintSkin();

}  // namespace skin_art
