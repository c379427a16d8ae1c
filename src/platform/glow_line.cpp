#include "platform/glow_line.h"

#include <cmath>

#include "platform/draw_transform.h"
#include "platform/image.h"

namespace {

TPolyVertex Vertex(float x, float y, uint32_t argb, float u, float v) {
  TPolyVertex vertex;
  vertex.x = x;
  vertex.y = y;
  vertex.argb = argb;
  vertex.u = u;
  vertex.v = v;
  return vertex;
}

TDrawVertex ToDrawVertex(const TPolyVertex& p, float uScale, float vScale) {
  TDrawVertex d;
  d.x = p.x;
  d.y = p.y;
  d.u = p.u * uScale;
  d.v = p.v * vScale;
  d.a = uint8_t(p.argb >> 24);
  d.r = uint8_t(p.argb >> 16);
  d.g = uint8_t(p.argb >> 8);
  d.b = uint8_t(p.argb);
  return d;
}

}  // namespace

std::vector<TPolyVertex> TPoly::LineVertices(float x1, float y1, uint32_t colour1, float x2, float y2,
                                             uint32_t colour2, float width, bool caps, bool flip) {
  const float dx = x1 - x2, dy = y1 - y2;
  const float length = std::sqrt(dx * dx + dy * dy);
  if (!(length > 0)) return {};
  // A points from the end to the start, width long; P is A turned a quarter.
  const float ax = dx / length * width, ay = dy / length * width;
  const float px = -ay, py = ax;
  if (caps) {
    return {Vertex(x1 + ax + px, y1 + ay + py, colour1, 1, 0),   Vertex(x1 + ax - px, y1 + ay - py, colour1, 1, 1),
            Vertex(x1 + px, y1 + py, colour1, 0.4985f, 0),        Vertex(x1 - px, y1 - py, colour1, 0.4985f, 1),
            Vertex(x2 + px, y2 + py, colour2, 0.5015f, 0),        Vertex(x2 - px, y2 - py, colour2, 0.5015f, 1),
            Vertex(x2 - ax + px, y2 - ay + py, colour2, 1, 0),   Vertex(x2 - ax - px, y2 - ay - py, colour2, 1, 1)};
  }
  const float u1 = flip ? 1.0f : 0.0f, v1 = flip ? 0.0f : 1.0f;
  return {Vertex(x1 + px, y1 + py, colour1, 0, 0), Vertex(x1 - px, y1 - py, colour1, u1, v1),
          Vertex(x2 + px, y2 + py, colour2, v1, u1), Vertex(x2 - px, y2 - py, colour2, 1, 1)};
}

void TPoly::Line(TImage* image, int frame, float x1, float y1, uint32_t colour1, float x2, float y2,
                 uint32_t colour2, float width, bool caps, bool flip) {
  const std::vector<TPolyVertex> strip = LineVertices(x1, y1, colour1, x2, y2, colour2, width, caps, flip);
  if (strip.empty()) return;
  TGLImageFrame* texture = image ? image->Frame(frame) : nullptr;
  const float uScale = texture ? texture->u1 : 1.0f, vScale = texture ? texture->v1 : 1.0f;
  std::vector<TDrawVertex> vertices;
  vertices.reserve(strip.size());
  for (const TPolyVertex& p : strip) vertices.push_back(ToDrawVertex(p, uScale, vScale));
  PrepareDriver().DrawTriangleStrip(texture ? texture->name : 0, vertices.data(), int(vertices.size()));
}
