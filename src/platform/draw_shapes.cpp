// Rectangles, lines, ovals and points, and the vertex placement images and text share.
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/draw.h"
#include "platform/draw_transform.h"
#include "platform/graphics.h"

TDrawVertex PlaceVertex(float px, float py, float x, float y, float u, float v) {
  const TMax2DGraphics& s = DrawState();
  TDrawVertex vertex;
  vertex.x = px * s.tform_ix + py * s.tform_iy + x + s.origin_x;
  vertex.y = px * s.tform_jx + py * s.tform_jy + y + s.origin_y;
  vertex.u = u;
  vertex.v = v;
  vertex.r = uint8_t(s.color_red);
  vertex.g = uint8_t(s.color_green);
  vertex.b = uint8_t(s.color_blue);
  vertex.a = uint8_t(s.alpha_byte);
  return vertex;
}

TRenderDriver& PrepareDriver() {
  TRenderDriver& driver = RenderDriver();
  driver.SetBlend(DrawState().blend_mode);
  driver.SetLineWidth(DrawState().line_width);
  return driver;
}

void DrawRect(float x, float y, float w, float h) {
  const TMax2DGraphics& s = DrawState();
  const float x0 = s.handle_x, y0 = s.handle_y, x1 = x0 + w, y1 = y0 + h;
  const TDrawVertex corners[4] = {PlaceVertex(x0, y0, x, y), PlaceVertex(x1, y0, x, y), PlaceVertex(x1, y1, x, y),
                                  PlaceVertex(x0, y1, x, y)};
  PrepareDriver().DrawQuad(0, corners);
}

void DrawLine(float x, float y, float x2, float y2, bool lastPixel) {
  const TMax2DGraphics& s = DrawState();
  TDrawVertex from = PlaceVertex(s.handle_x, s.handle_y, x, y);
  TDrawVertex to = PlaceVertex(x2 - x + s.handle_x, y2 - y + s.handle_y, x, y);
  from.x += 0.5f;
  from.y += 0.5f;
  to.x += 0.5f;
  to.y += 0.5f;
  TRenderDriver& driver = PrepareDriver();
  driver.DrawLine(from, to);
  if (lastPixel) driver.DrawPoint(to);
}

int OvalPointCount(float w, float h) {
  const int n = int(std::fabs(w * 0.5f) + std::fabs(h * 0.5f));
  return (n < 12 ? 12 : n) & ~3;
}

void DrawOval(float x, float y, float w, float h) {
  const TMax2DGraphics& s = DrawState();
  const float rx = w * 0.5f, ry = h * 0.5f;
  const float cx = s.handle_x + rx, cy = s.handle_y + ry;
  const int n = OvalPointCount(w, h);
  std::vector<TDrawVertex> outline;
  outline.reserve(size_t(n));
  for (int i = 0; i < n; ++i) {
    const double angle = double(i) * 2.0 * std::numbers::pi / double(n);
    outline.push_back(PlaceVertex(cx + float(std::cos(angle)) * rx, cy + float(std::sin(angle)) * ry, x, y));
  }
  PrepareDriver().DrawPolygon(outline.data(), n);
}

void Plot(float x, float y) {
  const TMax2DGraphics& s = DrawState();
  TDrawVertex point = PlaceVertex(0, 0, 0, 0);
  point.x = x + s.origin_x + 0.5f;
  point.y = y + s.origin_y + 0.5f;
  PrepareDriver().DrawPoint(point);
}
