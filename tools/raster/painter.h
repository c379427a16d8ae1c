// Paints shapes onto a canvas through a similarity transform (move, turn, uniform scale), so
// one drawing can be placed at any size: a ship as a 32-pixel sprite or large on a splash.
#pragma once

#include <functional>
#include <vector>

#include "raster/canvas.h"
#include "raster/shapes.h"

namespace raster {

// The colour at a point of the shape's own space.
using Paint = std::function<Colour(float, float)>;

Paint Solid(const Colour& colour);
struct Stop {
  float at;
  Colour colour;
};
// Colours along the line from a (t = 0) to b (t = 1), between the stops.
Paint LinearGradient(Point a, Point b, std::vector<Stop> stops);
// Colours by distance from the centre, t = distance / radius.
Paint RadialGradient(Point centre, float radius, std::vector<Stop> stops);

class Painter {
 public:
  explicit Painter(Canvas& canvas) : canvas_(&canvas) {}

  // A painter whose space is this one's moved, turned (degrees, clockwise) or scaled.
  Painter Moved(float dx, float dy) const;
  Painter Turned(float degrees) const;
  Painter Scaled(float k) const;

  Canvas& canvas() const { return *canvas_; }
  float scale() const { return scale_; }
  Point ToPixels(Point local) const;
  Point ToLocal(Point pixel) const;

  void Fill(const Shape& shape, const Paint& paint, Blend mode = Blend::kOver) const;
  void Fill(const Shape& shape, const Colour& colour, Blend mode = Blend::kOver) const;
  // Light around (and inside) a shape: full inside, fading to nothing at reach (local units).
  void Glow(const Shape& shape, const Colour& colour, float reach) const;
  // Paints every pixel: paint is given the pixel's position in this painter's space.
  void Cover(const Paint& paint, Blend mode = Blend::kOver) const;

 private:
  Canvas* canvas_;
  float ox_ = 0, oy_ = 0;   // pixel position of the local origin
  float cos_ = 1, sin_ = 0; // rotation
  float scale_ = 1;
};

}  // namespace raster
