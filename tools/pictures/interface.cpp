// Interface pictures: tournament medals and the padlock, the logo of the settings window, the
// small exit and back buttons, the embedded button faces and the pre-race instructions.
#include <cmath>

#include "pictures/badge_art.h"
#include "pictures/painters.h"
#include "pictures/ship_art.h"
#include "pictures/space_art.h"
#include "pictures/weapon_art.h"
#include "raster/lettering.h"

namespace pictures {
namespace {

using raster::Colour;
using raster::Point;

const Colour kWhite{1, 1, 1, 1};

raster::Painter Boxed(raster::Canvas& c, float units) { return raster::Painter(c).Scaled(float(c.width()) / units); }

void PaintLogo(raster::Canvas& c) {
  const raster::Painter p(c);
  const float w = float(c.width());
  // A swept underline, then the name above it.
  const raster::Shape swoosh = raster::Polygon({{40, 84}, {w - 30, 78}, {w - 60, 90}, {30, 92}});
  DrawWithEdge(p, swoosh, raster::LinearGradient({40, 0}, {w - 30, 0}, {{0, raster::Hex(0x2a6aff)}, {1, raster::Hex(0xc050ff)}}), 2.0f);
  const raster::Shape letters = raster::CentredText("QUORVEX", w * 0.5f, 12, 56, 10);
  p.Fill(raster::Grow(letters, 3.0f), raster::Hex(0x0a0c18));
  p.Fill(letters, raster::LinearGradient({0, 12}, {0, 68}, {{0, raster::Hex(0xffffff)}, {0.45f, raster::Hex(0x8fe8ff)},
                                                            {0.55f, raster::Hex(0x3aa0ff)}, {1, raster::Hex(0xb060ff)}}));
  p.Fill(raster::CentredText("QUORVEX", w * 0.5f, 12, 56, 2.5f), Colour{1, 1, 1, 0.5f}, raster::Blend::kAdd);
}

void PaintRoundButton(raster::Canvas& c, uint32_t face, bool quit) {
  const raster::Painter p = Boxed(c, 16);
  const raster::Shape disc = raster::Circle({8, 8}, 7);
  DrawWithEdge(p, disc, raster::RadialGradient({6, 5}, 10, {{0, raster::Mix(raster::Hex(face), kWhite, 0.45f)}, {1, raster::Brighter(raster::Hex(face), 0.55f)}}), 0.8f);
  if (quit) {
    p.Fill(raster::Union(raster::Capsule({5.2f, 5.2f}, {10.8f, 10.8f}, 1.1f), raster::Capsule({10.8f, 5.2f}, {5.2f, 10.8f}, 1.1f)), kWhite);
  } else {
    p.Fill(raster::Union(raster::Polygon({{3.8f, 8}, {8, 4.2f}, {8, 11.8f}}), raster::Capsule({7, 8}, {11.6f, 8}, 1.2f)), kWhite);
  }
}

void PaintButtonFace(raster::Canvas& c, int state) {
  // 1 resting, 2 under the pointer, 3 pressed.
  const raster::Painter p(c);
  const float w = float(c.width()), h = float(c.height());
  const raster::Shape face = raster::RoundedBox({2, 2, w - 2, h - 2}, h * 0.3f);
  const uint32_t top[] = {0x1d3a78, 0x2e5cb8, 0x0f1f44};
  const uint32_t bottom[] = {0x0b1633, 0x12285a, 0x1a3570};
  const uint32_t rim[] = {0x4fb4ff, 0x9fe4ff, 0xd070ff};
  DrawWithEdge(p, face, raster::LinearGradient({0, 2}, {0, h - 2}, {{0, raster::Hex(top[state - 1])}, {1, raster::Hex(bottom[state - 1])}}), 1.5f);
  p.Fill(raster::Outline(face, 2.0f), raster::Hex(rim[state - 1]));
  // A glassy sheen on the upper half (pressed: on the lower half).
  const float sy = state == 3 ? h * 0.55f : 5.0f;
  p.Fill(raster::RoundedBox({8, sy, w - 8, sy + h * 0.3f}, h * 0.15f), Colour{1, 1, 1, 0.12f});
}

// Arrow keys: four caps with arrows, the way the cursor keys lie on a keyboard.
void PaintArrowKeys(const raster::Painter& p, Point centre, float cap) {
  const float g = cap * 1.12f;
  const Point caps[] = {{centre.x, centre.y - g * 0.5f}, {centre.x - g, centre.y + g * 0.5f},
                        {centre.x, centre.y + g * 0.5f}, {centre.x + g, centre.y + g * 0.5f}};
  const float turns[] = {-90, 180, 90, 0};
  for (int i = 0; i < 4; ++i) {
    const Point m = caps[i];
    const raster::Shape key = raster::RoundedBox({m.x - cap / 2, m.y - cap / 2, m.x + cap / 2, m.y + cap / 2}, cap * 0.18f);
    DrawWithEdge(p, key, raster::LinearGradient({0, m.y - cap / 2}, {0, m.y + cap / 2}, {{0, raster::Hex(0x3a4566)}, {1, raster::Hex(0x1a2036)}}), 2);
    p.Fill(raster::Outline(key, 1.5f), raster::Hex(0x6f8fd0));
    const raster::Shape arrow = raster::Rotated(raster::Polygon({{m.x + cap * 0.28f, m.y}, {m.x - cap * 0.18f, m.y - cap * 0.26f}, {m.x - cap * 0.18f, m.y + cap * 0.26f}}), turns[i], m);
    p.Fill(arrow, raster::Hex(0xdff4ff));
  }
}

// A curved arrow around a centre, from one angle to another.
void PaintCurvedArrow(const raster::Painter& p, Point c, float radius, float from, float to, const Colour& colour) {
  const float k = 3.14159265f / 180.0f;
  const raster::Shape ring = raster::Outline(raster::Circle(c, radius), 7);
  const float lo = std::min(from, to), hi = std::max(from, to);
  std::vector<Point> wedge{c};
  for (int i = 0; i <= 8; ++i) {
    const float a = (lo + (hi - lo) * float(i) / 8.0f) * k;
    wedge.push_back({c.x + std::cos(a) * radius * 2, c.y + std::sin(a) * radius * 2});
  }
  DrawWithEdge(p, raster::Intersect(ring, raster::Polygon(wedge)), raster::Solid(colour), 2);
  const float a = to * k, dir = to > from ? 1.0f : -1.0f;
  const Point tip{c.x + std::cos(a) * radius, c.y + std::sin(a) * radius};
  const Point tangent{-std::sin(a) * dir, std::cos(a) * dir}, normal{std::cos(a), std::sin(a)};
  DrawWithEdge(p, raster::Polygon({{tip.x + tangent.x * 18, tip.y + tangent.y * 18}, {tip.x + normal.x * 14, tip.y + normal.y * 14},
                                   {tip.x - normal.x * 14, tip.y - normal.y * 14}}),
               raster::Solid(colour), 2);
}

void PaintStraightArrow(const raster::Painter& p, Point from, Point to, const Colour& colour) {
  const float dx = to.x - from.x, dy = to.y - from.y, l = std::hypot(dx, dy);
  const Point u{dx / l, dy / l}, n{-u.y, u.x};
  const Point base{to.x - u.x * 18, to.y - u.y * 18};
  const raster::Shape arrow = raster::Union(raster::Capsule(from, base, 4),
                                            raster::Polygon({to, {base.x + n.x * 13, base.y + n.y * 13}, {base.x - n.x * 13, base.y - n.y * 13}}));
  DrawWithEdge(p, arrow, raster::Solid(colour), 2);
}

// A pad seen from above: a glowing square with its symbol.
void PaintPad(const raster::Painter& p, Point c, const Colour& colour, int kind) {
  const raster::Shape pad = raster::RoundedBox({c.x - 34, c.y - 34, c.x + 34, c.y + 34}, 8);
  DrawWithEdge(p, pad, raster::RadialGradient(c, 48, {{0, raster::Brighter(colour, 0.45f)}, {1, raster::Brighter(colour, 0.12f)}}), 2);
  p.Fill(raster::Outline(pad, 3), colour);
  const raster::Painter at = p.Moved(c.x, c.y).Scaled(24);
  if (kind == 0) DrawTurboChevrons(at, raster::Mix(colour, kWhite, 0.5f));
  if (kind == 1) {
    DrawMissile(at.Moved(0, -0.45f).Scaled(0.7f), kWhite);
    DrawMine(at.Moved(-0.45f, 0.45f).Scaled(0.45f), kWhite);
    DrawPlasmaBall(at.Moved(0.45f, 0.45f).Scaled(0.5f), kWhite);
  }
  if (kind == 2) {
    // Repair: a plus.
    p.Fill(raster::Union(raster::Capsule({c.x - 16, c.y}, {c.x + 16, c.y}, 6), raster::Capsule({c.x, c.y - 16}, {c.x, c.y + 16}, 6)), kWhite);
  }
}

void PaintInstructions(raster::Canvas& c) {
  // Text-free, so it suits every language. The control list is written over the lower left
  // (x 0..430, y 400..540), which stays clear.
  const raster::Painter p(c);
  const Colour steer = raster::Hex(0x6fd0ff), thrust = raster::Hex(0x7dff8a), brake = raster::Hex(0xff6f6f);
  // The ship and what the controls do to it.
  const Point ship{250, 190};
  PaintCurvedArrow(p, ship, 120, -40, -110, steer);
  PaintCurvedArrow(p, ship, 120, 40, 110, steer);
  PaintStraightArrow(p, {ship.x + 118, ship.y}, {ship.x + 200, ship.y}, thrust);
  PaintStraightArrow(p, {ship.x - 110, ship.y}, {ship.x - 190, ship.y}, brake);
  DrawShip(p.Moved(ship.x, ship.y).Scaled(62), 1);
  PaintArrowKeys(p, {610, 170}, 62);
  // Pads: boost, weapons, pit-lane repair.
  PaintPad(p, {110, 370}, raster::Hex(0x3ad0ff), 0);
  PaintPad(p, {250, 370}, raster::Hex(0xffb030), 1);
  PaintPad(p, {390, 370}, raster::Hex(0x30ff60), 2);
  // What a pick-up gives: the weapons in their colours, in the lower right.
  const uint32_t hues[] = {0xff6040, 0x40c0ff, 0xc060ff, 0xffe040, 0x60ff90, 0xff70b0};
  for (int i = 0; i < 6; ++i) {
    const Point at{520.0f + float(i % 3) * 95.0f, 330.0f + float(i / 3) * 95.0f};
    const raster::Shape cell = raster::RoundedBox({at.x - 38, at.y - 38, at.x + 38, at.y + 38}, 10);
    DrawWithEdge(p, cell, raster::Solid(raster::Hex(0x121a30)), 2);
    p.Fill(raster::Outline(cell, 2.5f), raster::Brighter(raster::Hex(hues[i]), 0.8f));
    const raster::Painter w = p.Moved(at.x, at.y).Scaled(30);
    const Colour tint = raster::Hex(hues[i]);
    switch (i) {
      case 0: DrawCannonShell(w, tint); break;
      case 1: DrawLaserBolt(w, tint); break;
      case 2: DrawPlasmaBall(w.Scaled(0.85f), tint); break;
      case 3: DrawMissile(w, tint); break;
      case 4: DrawMine(w.Scaled(0.85f), tint); break;
      default: DrawBomb(w.Scaled(0.85f), tint); break;
    }
  }
}

}  // namespace

void AddInterfacePainters(PainterTable& table) {
  table["Media/Interface/Super.png"] = [](raster::Canvas& c) {
    DrawMedal(Boxed(c, 32), raster::Hex(0xd8f4ff), raster::Hex(0x5a6cc8), raster::Hex(0x9040e0), true);
  };
  table["Media/Interface/Gold.png"] = [](raster::Canvas& c) {
    DrawMedal(Boxed(c, 32), raster::Hex(0xffd84a), raster::Hex(0xa8700c), raster::Hex(0xd02828), false);
  };
  table["Media/Interface/Silver.png"] = [](raster::Canvas& c) {
    DrawMedal(Boxed(c, 32), raster::Hex(0xeef2f8), raster::Hex(0x78828e), raster::Hex(0x2860d0), false);
  };
  table["Media/Interface/Bronze.png"] = [](raster::Canvas& c) {
    DrawMedal(Boxed(c, 32), raster::Hex(0xf0a868), raster::Hex(0x804818), raster::Hex(0x28a048), false);
  };
  table["Media/Interface/PadLock.png"] = [](raster::Canvas& c) { DrawPadlock(Boxed(c, 32), raster::Hex(0xf0c040)); };
  table["Skin/Graphics/Buttons/LogoQX.png"] = PaintLogo;
  table["Skin/Graphics/Buttons/QuitSmall.png"] = [](raster::Canvas& c) { PaintRoundButton(c, 0xe03030, true); };
  table["Skin/Graphics/Buttons/BackSmall.png"] = [](raster::Canvas& c) { PaintRoundButton(c, 0x2f7ff0, false); };
  for (int state = 1; state <= 3; ++state) {
    table["Inc/Button" + std::to_string(state) + ".png"] = [state](raster::Canvas& c) { PaintButtonFace(c, state); };
  }
  table["Inc/Instrucs.png"] = PaintInstructions;
}

}  // namespace pictures
