#include "skin_art/skin_art.h"

#include "raster/painter.h"
#include "raster/shapes.h"

namespace skin_art {
namespace {

using raster::Canvas;
using raster::Colour;
using raster::Painter;
using raster::Shape;

Colour Light(float level, float alpha = 1.0f) { return raster::Grey(level, alpha); }

// A 15 x 15 frame for nine-slice drawing: rounded corners inside the corner tiles, a rim, and
// a fill that is even across the middle so the stretched tiles join without seams.
Canvas Frame(float fill, float fillAlpha, float rim, float radius, bool sheen) {
  Canvas c(15, 15);
  const Painter p(c);
  const Shape box = raster::RoundedBox({0.5f, 0.5f, 14.5f, 14.5f}, radius);
  p.Fill(box, Light(fill, fillAlpha));
  if (sheen) {
    // Brighter top edge, darker bottom edge: only the edge tiles, which stretch sideways.
    p.Fill(raster::Intersect(box, raster::RoundedBox({0, 0, 15, 4}, 0)), Light(fill + 0.12f, fillAlpha));
    p.Fill(raster::Intersect(box, raster::RoundedBox({0, 11, 15, 15}, 0)), Light(fill - 0.12f, fillAlpha));
  }
  p.Fill(raster::Outline(box, 1.2f), Light(rim));
  return c;
}

// The check box's two frames side by side: empty, then ticked.
Canvas CheckBox() {
  Canvas c(30, 15);
  for (int frame = 0; frame < 2; ++frame) {
    const Painter p = Painter(c).Moved(float(frame * 15), 0);
    const Shape box = raster::RoundedBox({1, 1, 14, 14}, 3);
    p.Fill(box, Light(0.18f, 0.9f));
    p.Fill(raster::Outline(box, 1.2f), Light(1.0f));
    if (frame == 1) {
      p.Fill(raster::Union(raster::Capsule({4, 7.5f}, {6.5f, 10.5f}, 1.3f), raster::Capsule({6.5f, 10.5f}, {11, 4}, 1.3f)),
             Light(1.0f));
    }
  }
  return c;
}

// A 15 x 15 scroll button with an arrow pointing at degrees (0 up, 90 right, ...).
Canvas ScrollArrow(float degrees) {
  Canvas c(15, 15);
  const Painter p(c);
  const Shape box = raster::RoundedBox({0.5f, 0.5f, 14.5f, 14.5f}, 3);
  p.Fill(box, Light(0.8f));
  p.Fill(raster::Outline(box, 1.0f), Light(1.0f));
  const Shape arrow = raster::Polygon({{7.5f, 4}, {11.5f, 10}, {3.5f, 10}});
  p.Fill(raster::Rotated(arrow, degrees, {7.5f, 7.5f}), Light(0.1f));
  return c;
}

Canvas ScrollTrack() {
  Canvas c(15, 15);
  Painter(c).Fill(raster::RoundedBox({1, 0, 14, 15}, 0), Light(0.12f, 0.6f));
  return c;
}

// A thumb 15 x 7 (vertical) or 7 x 15: three-pixel rounded ends around a one-pixel middle.
Canvas Thumb(bool vertical) {
  Canvas c(vertical ? 15 : 7, vertical ? 7 : 15);
  const Painter p(c);
  const raster::Box box = vertical ? raster::Box{2, 0.2f, 13, 6.8f} : raster::Box{0.2f, 2, 6.8f, 13};
  p.Fill(raster::RoundedBox(box, 2.5f), Light(0.95f));
  return c;
}

Canvas ComboArrow() {
  Canvas c(9, 6);
  Painter(c).Fill(raster::Polygon({{0.5f, 0.5f}, {8.5f, 0.5f}, {4.5f, 5.5f}}), Light(1.0f));
  return c;
}

Canvas Magnifier() {
  Canvas c(14, 14);
  const Painter p(c);
  p.Fill(raster::Outline(raster::Circle({5.5f, 5.5f}, 3.8f), 1.6f), Light(1.0f));
  p.Fill(raster::Capsule({8.5f, 8.5f}, {12.5f, 12.5f}, 1.2f), Light(1.0f));
  return c;
}

// Pointer arrow with its tip at (0, 0).
Canvas Arrow(const Colour& face) {
  Canvas c(20, 24);
  const Painter p(c);
  const Shape arrow = raster::Polygon({{1, 1}, {1, 18}, {5.5f, 14}, {8.5f, 21}, {11.5f, 19.5f}, {8.5f, 13}, {14, 13}});
  p.Fill(raster::Grow(arrow, 1.0f), raster::Hex(0x0a0c18));
  p.Fill(arrow, face);
  return c;
}

// A pointing hand whose fingertip is five pixels from the left edge.
Canvas Hand(const Colour& face) {
  Canvas c(20, 24);
  const Painter p(c);
  const Shape finger = raster::Capsule({5, 3}, {5, 12}, 2.2f);
  const Shape palm = raster::RoundedBox({2.5f, 10, 15.5f, 21.5f}, 3.5f);
  const Shape knuckles = raster::Union(raster::Capsule({8.6f, 11}, {8.6f, 13}, 2),
                                       raster::Union(raster::Capsule({12, 11.5f}, {12, 13.5f}, 2), raster::Capsule({15, 12.5f}, {15, 14}, 1.8f)));
  const Shape hand = raster::Union(finger, raster::Union(palm, knuckles));
  p.Fill(raster::Grow(hand, 1.0f), raster::Hex(0x0a0c18));
  p.Fill(hand, face);
  return c;
}

// The text caret: an I-beam centred four pixels from the left and nine from the top.
Canvas Caret() {
  Canvas c(9, 19);
  const Painter p(c);
  const Shape beam = raster::Union(raster::Capsule({4.5f, 2}, {4.5f, 17}, 0.8f),
                                   raster::Union(raster::Capsule({1.5f, 1.5f}, {7.5f, 1.5f}, 0.8f),
                                                 raster::Capsule({1.5f, 17.5f}, {7.5f, 17.5f}, 0.8f)));
  p.Fill(raster::Grow(beam, 1.0f), raster::Hex(0x0a0c18));
  p.Fill(beam, Light(1.0f));
  return c;
}

}  // namespace

std::vector<SkinPicture> PaintSkin() {
  const Colour ice = raster::Hex(0xdff6ff);
  const Colour glow = raster::Hex(0x7fdcff);
  std::vector<SkinPicture> out;
  out.push_back({"graphics/panel.png", Frame(0.55f, 1.0f, 0.95f, 4.5f, false)});
  out.push_back({"graphics/button.png", Frame(0.8f, 1.0f, 1.0f, 4.0f, true)});
  out.push_back({"graphics/progress.png", Frame(0.8f, 1.0f, 1.0f, 3.0f, true)});
  out.push_back({"graphics/textfield.png", Frame(0.1f, 0.9f, 0.9f, 2.5f, false)});
  out.push_back({"graphics/combobox.png", Frame(0.75f, 1.0f, 1.0f, 3.0f, true)});
  out.push_back({"graphics/menu.png", Frame(0.35f, 0.97f, 0.9f, 2.5f, false)});
  out.push_back({"graphics/checkbox.png", CheckBox()});
  out.push_back({"graphics/search.png", Magnifier()});
  out.push_back({"graphics/combobox arrow.png", ComboArrow()});
  out.push_back({"graphics/scrollback.png", ScrollTrack()});
  out.push_back({"graphics/scrollup.png", ScrollArrow(0)});
  out.push_back({"graphics/scrollright.png", ScrollArrow(90)});
  out.push_back({"graphics/scrolldown.png", ScrollArrow(180)});
  out.push_back({"graphics/scrollleft.png", ScrollArrow(270)});
  out.push_back({"graphics/vscrollbar.png", Thumb(true)});
  out.push_back({"graphics/hscrollbar.png", Thumb(false)});
  out.push_back({"graphics/cursors/normal.png", Arrow(ice)});
  out.push_back({"graphics/cursors/mouseover.png", Hand(ice)});
  out.push_back({"graphics/cursors/mousedown.png", Hand(glow)});
  out.push_back({"graphics/cursors/caret.png", Caret()});
  return out;
}

}  // namespace skin_art
