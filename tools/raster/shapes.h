// Shapes as signed distance functions: negative inside, positive outside, in the units of the
// space they are described in. Painting turns the distance into anti-aliased coverage.
#pragma once

#include <functional>
#include <vector>

namespace raster {

struct Point {
  float x = 0, y = 0;
};

struct Box {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  Box Grown(float by) const { return {x0 - by, y0 - by, x1 + by, y1 + by}; }
};

struct Shape {
  std::function<float(float, float)> distance;
  Box bounds;
  float operator()(float x, float y) const { return distance(x, y); }
};

Shape Circle(Point centre, float radius);
Shape Ellipse(Point centre, float rx, float ry);
// A segment from a to b with round ends, half its width each side.
Shape Capsule(Point a, Point b, float halfWidth);
// A closed polygon (either winding); the even-odd rule decides what is inside.
Shape Polygon(std::vector<Point> points);
Shape RoundedBox(Box box, float radius);
// A band of the given width centred on the shape's edge.
Shape Outline(const Shape& shape, float width);
Shape Grow(const Shape& shape, float by);
Shape Union(const Shape& a, const Shape& b);
Shape Intersect(const Shape& a, const Shape& b);
Shape Subtract(const Shape& a, const Shape& b);
// The shape turned by degrees (clockwise on screen) about pivot.
Shape Rotated(const Shape& shape, float degrees, Point pivot);
// The shape mirrored across the line y = axis.
Shape MirroredY(const Shape& shape, float axis);
// A polygon and its mirror image across the line y = axis joined: ships, fins, emblems.
Shape SymmetricPolygon(const std::vector<Point>& upperHalf, float axis);
// A star with n points between the two radii, the first point at angle degrees.
Shape Star(Point centre, int points, float outer, float inner, float degrees);
// A regular polygon with n corners.
Shape RegularPolygon(Point centre, int corners, float radius, float degrees);

}  // namespace raster
