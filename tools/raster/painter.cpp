#include "raster/painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace raster {
namespace {

Colour Sample(const std::vector<Stop>& stops, float t) {
  if (stops.empty()) return {};
  if (t <= stops.front().at) return stops.front().colour;
  for (size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].at) {
      const float span = stops[i].at - stops[i - 1].at;
      return Mix(stops[i - 1].colour, stops[i].colour, span > 0 ? (t - stops[i - 1].at) / span : 1.0f);
    }
  }
  return stops.back().colour;
}

}  // namespace

Paint Solid(const Colour& colour) {
  return [colour](float, float) { return colour; };
}

Paint LinearGradient(Point a, Point b, std::vector<Stop> stops) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float length2 = std::max(dx * dx + dy * dy, 1e-12f);
  return [=, s = std::move(stops)](float x, float y) {
    return Sample(s, ((x - a.x) * dx + (y - a.y) * dy) / length2);
  };
}

Paint RadialGradient(Point c, float radius, std::vector<Stop> stops) {
  return [=, s = std::move(stops)](float x, float y) { return Sample(s, std::hypot(x - c.x, y - c.y) / radius); };
}

Painter Painter::Moved(float dx, float dy) const {
  Painter p = *this;
  const Point o = ToPixels({dx, dy});
  p.ox_ = o.x, p.oy_ = o.y;
  return p;
}

Painter Painter::Turned(float degrees) const {
  Painter p = *this;
  const float r = degrees * std::numbers::pi_v<float> / 180.0f;
  const float c = std::cos(r), s = std::sin(r);
  p.cos_ = cos_ * c - sin_ * s;
  p.sin_ = sin_ * c + cos_ * s;
  return p;
}

Painter Painter::Scaled(float k) const {
  Painter p = *this;
  p.scale_ = scale_ * k;
  return p;
}

Point Painter::ToPixels(Point l) const {
  return {ox_ + scale_ * (cos_ * l.x - sin_ * l.y), oy_ + scale_ * (sin_ * l.x + cos_ * l.y)};
}

Point Painter::ToLocal(Point p) const {
  const float dx = (p.x - ox_) / scale_, dy = (p.y - oy_) / scale_;
  return {cos_ * dx + sin_ * dy, -sin_ * dx + cos_ * dy};
}

void Painter::Fill(const Shape& shape, const Paint& paint, Blend mode) const {
  // The pixel rectangle that holds the shape's bounds, one pixel of margin for the soft edge.
  const Box& b = shape.bounds;
  float x0 = 1e30f, y0 = 1e30f, x1 = -1e30f, y1 = -1e30f;
  for (Point corner : {Point{b.x0, b.y0}, Point{b.x1, b.y0}, Point{b.x1, b.y1}, Point{b.x0, b.y1}}) {
    const Point p = ToPixels(corner);
    x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
  }
  Canvas& canvas = *canvas_;
  const int px0 = std::max(0, int(std::floor(x0)) - 1), py0 = std::max(0, int(std::floor(y0)) - 1);
  const int px1 = std::min(canvas.width() - 1, int(std::ceil(x1)) + 1);
  const int py1 = std::min(canvas.height() - 1, int(std::ceil(y1)) + 1);
  for (int py = py0; py <= py1; ++py) {
    for (int px = px0; px <= px1; ++px) {
      const Point l = ToLocal({float(px) + 0.5f, float(py) + 0.5f});
      const float coverage = std::clamp(0.5f - shape(l.x, l.y) * scale_, 0.0f, 1.0f);
      if (coverage > 0.0f) canvas.Blend(px, py, paint(l.x, l.y), coverage, mode);
    }
  }
}

void Painter::Fill(const Shape& shape, const Colour& colour, Blend mode) const { Fill(shape, Solid(colour), mode); }

void Painter::Glow(const Shape& shape, const Colour& colour, float reach) const {
  const Shape halo{[shape, reach](float x, float y) { return shape(x, y) - reach; }, shape.bounds.Grown(reach)};
  Fill(halo,
       [shape, reach, colour](float x, float y) {
         const float d = std::max(shape(x, y), 0.0f) / reach;
         const float k = d >= 1.0f ? 0.0f : (1.0f - d) * (1.0f - d) * (1.0f - d);
         return WithAlpha(colour, colour.a * k);
       },
       Blend::kAdd);
}

void Painter::Cover(const Paint& paint, Blend mode) const {
  Canvas& canvas = *canvas_;
  for (int py = 0; py < canvas.height(); ++py) {
    for (int px = 0; px < canvas.width(); ++px) {
      const Point l = ToLocal({float(px) + 0.5f, float(py) + 0.5f});
      canvas.Blend(px, py, paint(l.x, l.y), 1.0f, mode);
    }
  }
}

}  // namespace raster
