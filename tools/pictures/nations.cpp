// The nation flags of the shipped languages, named by their telephone country codes.
#include "pictures/painters.h"
#include "raster/painter.h"

namespace pictures {
namespace {

using raster::Colour;

void Stripes(raster::Canvas& c, const Colour colours[3], bool vertical) {
  const raster::Painter p(c);
  const float w = float(c.width()), h = float(c.height());
  for (int i = 0; i < 3; ++i) {
    const float a = float(i) / 3.0f, b = float(i + 1) / 3.0f;
    const raster::Box box = vertical ? raster::Box{w * a, 0, w * b, h} : raster::Box{0, h * a, w, h * b};
    p.Fill(raster::Polygon({{box.x0, box.y0}, {box.x1, box.y0}, {box.x1, box.y1}, {box.x0, box.y1}}), colours[i]);
  }
}

void UnitedKingdom(raster::Canvas& c) {
  const raster::Painter p(c);
  const float w = float(c.width()), h = float(c.height());
  const Colour blue = raster::Hex(0x012169), red = raster::Hex(0xc8102e), white = raster::Hex(0xffffff);
  c.Clear(blue);
  const float u = h / 30.0f;  // the flag's own unit: it is 30 units tall
  const raster::Shape saltire = raster::Union(raster::Capsule({0, 0}, {w, h}, 3 * u), raster::Capsule({w, 0}, {0, h}, 3 * u));
  p.Fill(saltire, white);
  // The red saltire is counterchanged: offset clockwise from the white one's centre line.
  const float k = 1.0f * u;
  const raster::Shape a = raster::Union(raster::Capsule({0, -k}, {w * 0.5f, h * 0.5f - k}, u), raster::Capsule({w * 0.5f, h * 0.5f + k}, {w, h + k}, u));
  const raster::Shape b = raster::Union(raster::Capsule({w + k * 1.5f, 0}, {w * 0.5f + k * 1.5f, h * 0.5f}, u), raster::Capsule({w * 0.5f - k * 1.5f, h * 0.5f}, {-k * 1.5f, h}, u));
  p.Fill(raster::Union(a, b), red);
  const raster::Shape cross = raster::Union(raster::Polygon({{w * 0.5f - 5 * u, 0}, {w * 0.5f + 5 * u, 0}, {w * 0.5f + 5 * u, h}, {w * 0.5f - 5 * u, h}}),
                                            raster::Polygon({{0, h * 0.5f - 5 * u}, {w, h * 0.5f - 5 * u}, {w, h * 0.5f + 5 * u}, {0, h * 0.5f + 5 * u}}));
  p.Fill(cross, white);
  const raster::Shape inner = raster::Union(raster::Polygon({{w * 0.5f - 3 * u, 0}, {w * 0.5f + 3 * u, 0}, {w * 0.5f + 3 * u, h}, {w * 0.5f - 3 * u, h}}),
                                            raster::Polygon({{0, h * 0.5f - 3 * u}, {w, h * 0.5f - 3 * u}, {w, h * 0.5f + 3 * u}, {0, h * 0.5f + 3 * u}}));
  p.Fill(inner, red);
}

}  // namespace

void AddNationPainters(PainterTable& table) {
  table["Media/Nations/NationIm_44.png"] = UnitedKingdom;
  table["Media/Nations/NationIm_49.png"] = [](raster::Canvas& c) {
    const Colour colours[3] = {raster::Hex(0x000000), raster::Hex(0xdd0000), raster::Hex(0xffce00)};
    Stripes(c, colours, false);
  };
  table["Media/Nations/NationIm_33.png"] = [](raster::Canvas& c) {
    const Colour colours[3] = {raster::Hex(0x002395), raster::Hex(0xffffff), raster::Hex(0xed2939)};
    Stripes(c, colours, true);
  };
}

}  // namespace pictures
