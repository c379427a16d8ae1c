#include "pictures/badge_art.h"

namespace pictures {

using raster::Colour;

void DrawWithEdge(const raster::Painter& p, const raster::Shape& shape, const raster::Paint& paint, float edge) {
  p.Fill(raster::Grow(shape, edge), raster::Hex(0x0a0c18));
  p.Fill(shape, paint);
}

void DrawMedal(const raster::Painter& p, const Colour& light, const Colour& dark, const Colour& ribbon, bool star) {
  // Ribbon: two bands meeting behind the disc.
  const raster::Shape left = raster::Polygon({{7, 0}, {13, 0}, {18, 14}, {13, 15}});
  const raster::Shape right = raster::Polygon({{19, 0}, {25, 0}, {19, 15}, {14, 14}});
  DrawWithEdge(p, left, raster::Solid(ribbon), 1.0f);
  DrawWithEdge(p, right, raster::Solid(raster::Brighter(ribbon, 0.75f)), 1.0f);
  const raster::Shape disc = raster::Circle({16, 20.5f}, 10);
  DrawWithEdge(p, disc, raster::RadialGradient({13, 17}, 13, {{0, raster::Mix(light, Colour{1, 1, 1, 1}, 0.5f)}, {0.5f, light}, {1, dark}}),
               1.2f);
  p.Fill(raster::Outline(raster::Circle({16, 20.5f}, 7.5f), 1.0f), dark);
  const raster::Shape emblem = star ? raster::Star({16, 20.5f}, 5, 6.2f, 2.6f, -90)
                                    : raster::Star({16, 20.5f}, 4, 4.5f, 1.6f, -90);
  p.Fill(emblem, star ? Colour{1, 1, 1, 1} : raster::Mix(light, Colour{1, 1, 1, 1}, 0.6f));
}

void DrawPadlock(const raster::Painter& p, const Colour& metal) {
  const raster::Shape shackle = raster::Intersect(raster::Outline(raster::Circle({16, 13}, 6.5f), 3.2f),
                                                  raster::Polygon({{0, 0}, {32, 0}, {32, 14}, {0, 14}}));
  const raster::Shape legs = raster::Union(raster::Capsule({9.5f, 13}, {9.5f, 16}, 1.6f), raster::Capsule({22.5f, 13}, {22.5f, 16}, 1.6f));
  const raster::Shape arch = raster::Union(shackle, legs);
  DrawWithEdge(p, arch, raster::LinearGradient({8, 0}, {24, 0}, {{0, raster::Hex(0xd8dde6)}, {1, raster::Hex(0x7d8694)}}), 1.0f);
  const raster::Shape body = raster::RoundedBox({6, 15, 26, 30}, 3);
  DrawWithEdge(p, body, raster::LinearGradient({0, 15}, {0, 30}, {{0, raster::Mix(metal, Colour{1, 1, 1, 1}, 0.4f)}, {1, raster::Brighter(metal, 0.55f)}}), 1.2f);
  p.Fill(raster::Union(raster::Circle({16, 21}, 2.4f), raster::Polygon({{14.8f, 22}, {17.2f, 22}, {18, 27}, {14, 27}})), raster::Hex(0x14161f));
}

}  // namespace pictures
