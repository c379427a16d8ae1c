#include "raster/canvas.h"

#include <algorithm>
#include <cmath>

namespace raster {

Colour Hex(uint32_t rrggbb, float alpha) {
  return {float((rrggbb >> 16) & 0xFF) / 255.0f, float((rrggbb >> 8) & 0xFF) / 255.0f,
          float(rrggbb & 0xFF) / 255.0f, alpha};
}

Colour Grey(float level, float alpha) { return {level, level, level, alpha}; }

Colour Mix(const Colour& from, const Colour& to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

Colour Brighter(const Colour& c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }

Colour WithAlpha(const Colour& c, float alpha) { return {c.r, c.g, c.b, alpha}; }

Colour Hsv(float hue, float saturation, float value, float alpha) {
  const float h = std::fmod(std::fmod(hue, 360.0f) + 360.0f, 360.0f) / 60.0f;
  const float c = value * saturation;
  const float x = c * (1.0f - std::fabs(std::fmod(h, 2.0f) - 1.0f));
  const float m = value - c;
  float r = 0, g = 0, b = 0;
  switch (int(h)) {
    case 0: r = c, g = x; break;
    case 1: r = x, g = c; break;
    case 2: g = c, b = x; break;
    case 3: g = x, b = c; break;
    case 4: r = x, b = c; break;
    default: r = c, b = x; break;
  }
  return {r + m, g + m, b + m, alpha};
}

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), pixels_(size_t(width_) * size_t(height_)) {}

void Canvas::Clear(const Colour& colour) {
  const float a = std::clamp(colour.a, 0.0f, 1.0f);
  const Pixel p{std::clamp(colour.r, 0.0f, 1.0f) * a, std::clamp(colour.g, 0.0f, 1.0f) * a,
                std::clamp(colour.b, 0.0f, 1.0f) * a, a};
  std::fill(pixels_.begin(), pixels_.end(), p);
}

void Canvas::Blend(int x, int y, const Colour& colour, float coverage, raster::Blend mode) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const float k = std::clamp(coverage, 0.0f, 1.0f) * std::clamp(colour.a, 0.0f, 1.0f);
  if (k <= 0.0f) return;
  Pixel& p = at(x, y);
  const float r = std::max(colour.r, 0.0f) * k, g = std::max(colour.g, 0.0f) * k, b = std::max(colour.b, 0.0f) * k;
  if (mode == raster::Blend::kOver) {
    p.r = std::min(r, k) + p.r * (1.0f - k);
    p.g = std::min(g, k) + p.g * (1.0f - k);
    p.b = std::min(b, k) + p.b * (1.0f - k);
    p.a = k + p.a * (1.0f - k);
  } else {
    // Light adds up; a pixel needs at least as much alpha as its brightest channel.
    p.r = std::min(p.r + r, 1.0f);
    p.g = std::min(p.g + g, 1.0f);
    p.b = std::min(p.b + b, 1.0f);
    p.a = std::min(std::max({p.a, p.r, p.g, p.b}), 1.0f);
  }
}

void Canvas::Draw(const Canvas& other, int x, int y) {
  for (int sy = 0; sy < other.height(); ++sy) {
    for (int sx = 0; sx < other.width(); ++sx) {
      const int dx = x + sx, dy = y + sy;
      if (dx < 0 || dy < 0 || dx >= width_ || dy >= height_) continue;
      const Pixel& s = other.at(sx, sy);
      Pixel& d = at(dx, dy);
      d.r = s.r + d.r * (1.0f - s.a);
      d.g = s.g + d.g * (1.0f - s.a);
      d.b = s.b + d.b * (1.0f - s.a);
      d.a = s.a + d.a * (1.0f - s.a);
    }
  }
}

}  // namespace raster
