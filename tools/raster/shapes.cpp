#include "raster/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace raster {
namespace {

constexpr float kDegrees = std::numbers::pi_v<float> / 180.0f;

float SegmentDistance(float px, float py, Point a, Point b) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float length2 = dx * dx + dy * dy;
  float t = length2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / length2 : 0.0f;
  t = std::clamp(t, 0.0f, 1.0f);
  return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

Box BoundsOf(const std::vector<Point>& points) {
  Box box{points.empty() ? 0 : points[0].x, points.empty() ? 0 : points[0].y, 0, 0};
  box.x1 = box.x0, box.y1 = box.y0;
  for (const Point& p : points) {
    box.x0 = std::min(box.x0, p.x), box.y0 = std::min(box.y0, p.y);
    box.x1 = std::max(box.x1, p.x), box.y1 = std::max(box.y1, p.y);
  }
  return box;
}

Box Merge(const Box& a, const Box& b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

}  // namespace

Shape Circle(Point c, float radius) {
  return {[=](float x, float y) { return std::hypot(x - c.x, y - c.y) - radius; },
          {c.x - radius, c.y - radius, c.x + radius, c.y + radius}};
}

Shape Ellipse(Point c, float rx, float ry) {
  // Scaled-circle distance, corrected by the local stretch: close enough for anti-aliasing.
  return {[=](float x, float y) {
            const float nx = (x - c.x) / rx, ny = (y - c.y) / ry;
            const float k = std::hypot(nx, ny);
            if (k == 0) return -std::min(rx, ry);
            const float gradient = std::hypot(nx / rx, ny / ry) / k;
            return (k - 1.0f) / gradient;
          },
          {c.x - rx, c.y - ry, c.x + rx, c.y + ry}};
}

Shape Capsule(Point a, Point b, float halfWidth) {
  return {[=](float x, float y) { return SegmentDistance(x, y, a, b) - halfWidth; },
          Box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}.Grown(halfWidth)};
}

Shape Polygon(std::vector<Point> points) {
  const Box box = BoundsOf(points);
  return {[pts = std::move(points)](float x, float y) {
            float best = 1e30f;
            bool inside = false;
            for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
              const Point& a = pts[i];
              const Point& b = pts[j];
              best = std::min(best, SegmentDistance(x, y, a, b));
              if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
            }
            return inside ? -best : best;
          },
          box};
}

Shape RoundedBox(Box b, float radius) {
  const float cx = (b.x0 + b.x1) * 0.5f, cy = (b.y0 + b.y1) * 0.5f;
  const float hx = (b.x1 - b.x0) * 0.5f - radius, hy = (b.y1 - b.y0) * 0.5f - radius;
  return {[=](float x, float y) {
            const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
            const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
            return outside + std::min(std::max(qx, qy), 0.0f) - radius;
          },
          b};
}

Shape Outline(const Shape& shape, float width) {
  return {[=](float x, float y) { return std::fabs(shape(x, y)) - width * 0.5f; }, shape.bounds.Grown(width)};
}

Shape Grow(const Shape& shape, float by) {
  return {[=](float x, float y) { return shape(x, y) - by; }, shape.bounds.Grown(std::max(by, 0.0f))};
}

Shape Union(const Shape& a, const Shape& b) {
  return {[=](float x, float y) { return std::min(a(x, y), b(x, y)); }, Merge(a.bounds, b.bounds)};
}

Shape Intersect(const Shape& a, const Shape& b) {
  return {[=](float x, float y) { return std::max(a(x, y), b(x, y)); }, a.bounds};
}

Shape Subtract(const Shape& a, const Shape& b) {
  return {[=](float x, float y) { return std::max(a(x, y), -b(x, y)); }, a.bounds};
}

Shape Rotated(const Shape& shape, float degrees, Point pivot) {
  const float c = std::cos(degrees * kDegrees), s = std::sin(degrees * kDegrees);
  // Bounds: the rotated corners of the original box.
  const Box& b = shape.bounds;
  std::vector<Point> corners;
  for (Point p : {Point{b.x0, b.y0}, Point{b.x1, b.y0}, Point{b.x1, b.y1}, Point{b.x0, b.y1}}) {
    const float dx = p.x - pivot.x, dy = p.y - pivot.y;
    corners.push_back({pivot.x + dx * c - dy * s, pivot.y + dx * s + dy * c});
  }
  return {[=](float x, float y) {
            const float dx = x - pivot.x, dy = y - pivot.y;
            return shape(pivot.x + dx * c + dy * s, pivot.y - dx * s + dy * c);
          },
          BoundsOf(corners)};
}

Shape MirroredY(const Shape& shape, float axis) {
  const Box& b = shape.bounds;
  return {[=](float x, float y) { return shape(x, 2 * axis - y); }, {b.x0, 2 * axis - b.y1, b.x1, 2 * axis - b.y0}};
}

Shape SymmetricPolygon(const std::vector<Point>& upperHalf, float axis) {
  std::vector<Point> points = upperHalf;
  for (auto it = upperHalf.rbegin(); it != upperHalf.rend(); ++it) points.push_back({it->x, 2 * axis - it->y});
  return Polygon(std::move(points));
}

Shape Star(Point centre, int points, float outer, float inner, float degrees) {
  std::vector<Point> corners;
  for (int i = 0; i < points * 2; ++i) {
    const float angle = (degrees + float(i) * 180.0f / float(points)) * kDegrees;
    const float r = (i % 2 == 0) ? outer : inner;
    corners.push_back({centre.x + std::cos(angle) * r, centre.y + std::sin(angle) * r});
  }
  return Polygon(std::move(corners));
}

Shape RegularPolygon(Point centre, int corners, float radius, float degrees) {
  std::vector<Point> points;
  for (int i = 0; i < corners; ++i) {
    const float angle = (degrees + float(i) * 360.0f / float(corners)) * kDegrees;
    points.push_back({centre.x + std::cos(angle) * radius, centre.y + std::sin(angle) * radius});
  }
  return Polygon(std::move(points));
}

}  // namespace raster
