// A floating-point RGBA picture held with premultiplied alpha, the surface every generator
// paints on before it is written out as a PNG or JPEG.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace raster {

// A colour with straight (not premultiplied) alpha, each channel 0..1.
struct Colour {
  float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB as an opaque colour.
Colour Hex(uint32_t rrggbb, float alpha = 1.0f);
Colour Grey(float level, float alpha = 1.0f);
Colour Mix(const Colour& from, const Colour& to, float t);
// The colour with its red, green and blue multiplied by k (alpha unchanged).
Colour Brighter(const Colour& c, float k);
Colour WithAlpha(const Colour& c, float alpha);
// Hue in degrees, saturation and value 0..1.
Colour Hsv(float hue, float saturation, float value, float alpha = 1.0f);

// One pixel, premultiplied: r, g, b never exceed a.
struct Pixel {
  float r = 0, g = 0, b = 0, a = 0;
};

enum class Blend {
  kOver,  // normal painting: the new colour covers what lies below by its alpha
  kAdd,   // light: the new colour adds to what lies below (glows, flares)
};

class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  const Pixel& at(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
  Pixel& at(int x, int y) { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }

  void Clear(const Colour& colour);
  // Paints colour into one pixel, weighted by coverage 0..1; outside pixels are ignored.
  void Blend(int x, int y, const Colour& colour, float coverage, raster::Blend mode);
  // Places another canvas with its top-left corner at (x, y), painted over this one.
  void Draw(const Canvas& other, int x, int y);

 private:
  int width_;
  int height_;
  std::vector<Pixel> pixels_;
};

}  // namespace raster
