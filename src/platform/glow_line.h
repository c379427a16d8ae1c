// The textured line: a strip of a glow picture laid along a segment, with colours per end.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/render_driver.h"

class TImage;

struct TPolyVertex {
  float x = 0, y = 0, z = 0;
  float nx = 0, ny = 0, nz = 1;
  uint32_t argb = 0;
  float u = 0, v = 0;
};

class TPoly {
 public:
  // With caps: eight vertices reaching width beyond each end, the body sampling the picture's
  // middle column; without: four. Empty for a line of zero length (nothing to draw).
  static std::vector<TPolyVertex> LineVertices(float x1, float y1, uint32_t colour1, float x2, float y2,
                                               uint32_t colour2, float width, bool caps, bool flip);
  // Draws the strip with the frame's texture, smooth colours and the current blend mode.
  static void Line(TImage* image, int frame, float x1, float y1, uint32_t colour1, float x2, float y2,
                   uint32_t colour2, float width, bool caps = true, bool flip = false);
};
