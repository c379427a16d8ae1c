#include "pictures/space_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "raster/lettering.h"
#include "raster/noise.h"

namespace pictures {

using raster::Colour;
using raster::Point;

void PaintNebula(raster::Canvas& canvas, const Colour& a, const Colour& b, uint32_t seed, float strength) {
  const float scale = 3.0f / float(canvas.width());
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const float fx = float(x) * scale, fy = float(y) * scale;
      const float warp = raster::FractalNoise(fx + 7.3f, fy + 1.1f, 3, seed + 17);
      const float n = raster::FractalNoise(fx + warp * 1.5f, fy + warp, 5, seed);
      const float m = raster::FractalNoise(fx * 0.7f + 3.0f, fy * 0.7f, 4, seed + 5);
      const float density = std::pow(std::clamp((n - 0.35f) * 2.0f, 0.0f, 1.0f), 2.0f) * strength;
      canvas.Blend(x, y, raster::Mix(a, b, std::clamp(m * 1.6f - 0.3f, 0.0f, 1.0f)), density, raster::Blend::kAdd);
    }
  }
}

void PaintStars(raster::Canvas& canvas, int count, uint32_t seed) {
  raster::Random random(seed);
  const raster::Painter p(canvas);
  for (int i = 0; i < count; ++i) {
    const Point at{random.Real(0, float(canvas.width())), random.Real(0, float(canvas.height()))};
    const float size = std::pow(random.Real(0, 1), 6.0f);
    const Colour tint = raster::Hsv(random.Real(180, 260), random.Real(0, 0.35f), 1.0f);
    const float brightness = random.Real(0.25f, 0.9f);
    p.Glow(raster::Circle(at, 0.2f + size * 1.2f), raster::WithAlpha(tint, brightness), 0.9f + size * 3.0f);
    if (size > 0.7f) {
      const float ray = 3.0f + size * 9.0f;
      p.Glow(raster::Capsule({at.x - ray, at.y}, {at.x + ray, at.y}, 0.15f), raster::WithAlpha(tint, 0.5f), 1.2f);
      p.Glow(raster::Capsule({at.x, at.y - ray}, {at.x, at.y + ray}, 0.15f), raster::WithAlpha(tint, 0.5f), 1.2f);
    }
  }
}

void PaintPlanet(const raster::Painter& p, Point c, float radius, const Colour& surface, const Colour& atmosphere,
                 float lightDegrees, uint32_t seed) {
  const float light = lightDegrees * std::numbers::pi_v<float> / 180.0f;
  const Point towards{std::cos(light), std::sin(light)};
  p.Glow(raster::Circle(c, radius), raster::WithAlpha(atmosphere, 0.5f), radius * 0.18f);
  p.Fill(raster::Circle(c, radius), [=](float x, float y) {
    const float nx = (x - c.x) / radius, ny = (y - c.y) / radius;
    const float nz = std::sqrt(std::max(1.0f - nx * nx - ny * ny, 0.0f));
    const float lit = std::clamp(nx * towards.x + ny * towards.y + nz * 0.35f, 0.0f, 1.0f);
    // Bands of cloud drift across the surface.
    const float bands = raster::FractalNoise(nx * 2.0f + 4.0f, ny * 9.0f + nx * 1.5f, 5, seed);
    Colour ground = raster::Mix(raster::Brighter(surface, 0.55f), surface, bands);
    ground = raster::Mix(ground, atmosphere, std::pow(1.0f - nz, 3.0f) * 0.8f);
    return raster::Brighter(ground, 0.04f + lit * 1.0f);
  });
  // The lit rim of air.
  p.Fill(raster::Outline(raster::Circle(c, radius), radius * 0.025f), [=](float x, float y) {
    const float nx = (x - c.x) / radius, ny = (y - c.y) / radius;
    const float lit = std::clamp(nx * towards.x + ny * towards.y, 0.0f, 1.0f);
    return raster::WithAlpha(raster::Mix(atmosphere, Colour{1, 1, 1, 1}, 0.3f), lit);
  }, raster::Blend::kAdd);
}

void PaintTrail(const raster::Painter& p, Point tail, Point head, float width, const Colour& colour) {
  const float dx = head.x - tail.x, dy = head.y - tail.y;
  const float length2 = std::max(dx * dx + dy * dy, 1e-6f);
  const raster::Shape streak = raster::Capsule(tail, head, width * 0.5f);
  auto fade = [=](float x, float y, float strength) {
    const float t = std::clamp(((x - tail.x) * dx + (y - tail.y) * dy) / length2, 0.0f, 1.0f);
    return raster::WithAlpha(colour, colour.a * t * t * strength);
  };
  p.Fill(raster::Grow(streak, width * 1.5f), [=](float x, float y) { return fade(x, y, 0.25f); }, raster::Blend::kAdd);
  p.Fill(streak, [=](float x, float y) { return fade(x, y, 0.8f); }, raster::Blend::kAdd);
  p.Fill(raster::Capsule(tail, head, width * 0.15f), [=](float x, float y) {
    Colour white{1, 1, 1, 1};
    return raster::WithAlpha(white, fade(x, y, 0.9f).a);
  }, raster::Blend::kAdd);
}

void PaintTitle(const raster::Painter& p, const std::string& text, float centreX, float top, float height) {
  const float stroke = height * 0.16f;
  const raster::Shape letters = raster::CentredText(text, centreX, top, height, stroke);
  p.Glow(letters, Colour{0.2f, 0.5f, 1.0f, 0.55f}, height * 0.45f);
  p.Fill(raster::Grow(letters, stroke * 0.25f), raster::Hex(0x10123a));
  p.Fill(letters, raster::LinearGradient({0, top}, {0, top + height},
                                         {{0, raster::Hex(0xffffff)}, {0.45f, raster::Hex(0x8fe8ff)},
                                          {0.55f, raster::Hex(0x3aa0ff)}, {1, raster::Hex(0xc060ff)}}));
  p.Fill(raster::CentredText(text, centreX, top, height, stroke * 0.25f), Colour{1, 1, 1, 0.55f}, raster::Blend::kAdd);
}

}  // namespace pictures
