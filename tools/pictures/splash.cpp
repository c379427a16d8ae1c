// The three splash screens (800 x 600): the title over deep space, a night race on a neon
// track, and the whole field lined up on the grid. The first is also the loading screen, whose
// bar is drawn over its bottom 40 pixels, so that strip is kept dark.
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "pictures/painters.h"
#include "pictures/ship_art.h"
#include "pictures/space_art.h"
#include "raster/lettering.h"
#include "raster/noise.h"

namespace pictures {
namespace {

using raster::Colour;
using raster::Point;

void Backdrop(raster::Canvas& c, uint32_t top, uint32_t bottom, uint32_t seed) {
  const raster::Painter p(c);
  p.Cover(raster::LinearGradient({0, 0}, {0, float(c.height())}, {{0, raster::Hex(top)}, {1, raster::Hex(bottom)}}));
  PaintNebula(c, raster::Hex(0x3a2a9a), raster::Hex(0xb0308a), seed, 0.55f);
  PaintStars(c, 900, seed + 1);
}

// A ship in flight: its trail, then the ship, turned to its heading.
void FlyingShip(const raster::Painter& p, int team, Point at, float heading, float size, float trail) {
  const float k = heading * 3.14159265f / 180.0f;
  const Point tail{at.x - std::cos(k) * (size + trail), at.y - std::sin(k) * (size + trail)};
  const Point rear{at.x - std::cos(k) * size * 0.8f, at.y - std::sin(k) * size * 0.8f};
  PaintTrail(p, tail, rear, size * 0.22f, raster::WithAlpha(raster::Hex(TeamColour(team)), 0.9f));
  DrawShip(p.Moved(at.x, at.y).Turned(heading).Scaled(size), team);
}

void DarkFooter(raster::Canvas& c, float height) {
  const raster::Painter p(c);
  const float h = float(c.height());
  p.Fill(raster::Polygon({{0, h - height * 2}, {float(c.width()), h - height * 2}, {float(c.width()), h}, {0, h}}),
         raster::LinearGradient({0, h - height * 2}, {0, h}, {{0, Colour{0, 0, 0, 0}}, {0.5f, Colour{0, 0, 0.02f, 0.75f}}, {1, Colour{0, 0, 0.02f, 0.9f}}}));
}

void Tagline(const raster::Painter& p, float y, float width) {
  p.Fill(raster::Capsule({400 - width, y}, {400 + width, y}, 1.2f), Colour{0.6f, 0.85f, 1.0f, 0.8f}, raster::Blend::kAdd);
  p.Glow(raster::Capsule({400 - width * 0.6f, y}, {400 + width * 0.6f, y}, 0.8f), Colour{0.3f, 0.6f, 1.0f, 0.6f}, 10);
}

void TitleSplash(raster::Canvas& c) {
  Backdrop(c, 0x02030c, 0x0a0620, 101);
  const raster::Painter p(c);
  PaintPlanet(p, {640, 760}, 380, raster::Hex(0x3050c0), raster::Hex(0x60c0ff), -120, 7);
  PaintPlanet(p, {120, 120}, 38, raster::Hex(0xb06030), raster::Hex(0xffb070), -30, 9);
  FlyingShip(p, 2, {200, 430}, -24, 46, 260);
  FlyingShip(p, 1, {560, 360}, -24, 70, 380);
  FlyingShip(p, 3, {380, 500}, -24, 40, 240);
  PaintTitle(p, "QUORVEX", 400, 150, 96);
  Tagline(p, 275, 250);
  DarkFooter(c, 40);
}

void RaceSplash(raster::Canvas& c) {
  Backdrop(c, 0x010208, 0x06040e, 202);
  const raster::Painter p(c);
  const float horizon = 250;
  // The ground hides the stars below the horizon.
  p.Fill(raster::Polygon({{0, horizon}, {800, horizon}, {800, 600}, {0, 600}}),
         raster::LinearGradient({0, horizon}, {0, 600}, {{0, Colour{0.02f, 0.01f, 0.06f, 0.85f}}, {0.1f, Colour{0.02f, 0.02f, 0.07f, 1}}, {1, Colour{0.03f, 0.02f, 0.08f, 1}}}));
  p.Glow(raster::Capsule({0, horizon}, {800, horizon}, 0.5f), Colour{0.6f, 0.3f, 1.0f, 0.7f}, 18);
  // A glowing floor grid running to the horizon.
  for (int i = -12; i <= 12; ++i) {
    const Point far{400 + float(i) * 30, horizon}, near{400 + float(i) * 260, 620};
    p.Glow(raster::Capsule(far, near, 0.6f), Colour{0.2f, 0.35f, 1.0f, 0.35f}, 4);
  }
  for (int j = 0; j < 10; ++j) {
    const float t = std::pow(float(j) / 9.0f, 2.0f);
    const float y = horizon + t * 370;
    p.Glow(raster::Capsule({0, y}, {800, y}, 0.6f), Colour{0.2f, 0.35f, 1.0f, 0.2f + 0.25f * t}, 3 + 4 * t);
  }
  // The track: a bright band sweeping from the horizon to the lower left, its walls lit.
  const auto edge = [&](float side, float t) {
    const float y = horizon + t * 370;
    const float centre = 470 - 260 * t * t + 60 * std::sin(t * 3.0f);
    return Point{centre + side * (20 + 330 * t), y};
  };
  std::vector<Point> road;
  for (int i = 0; i <= 48; ++i) road.push_back(edge(-1, float(i) / 48));
  for (int i = 48; i >= 0; --i) road.push_back(edge(1, float(i) / 48));
  p.Fill(raster::Polygon(road), raster::LinearGradient({0, horizon}, {0, 620}, {{0, Colour{0.1f, 0.1f, 0.25f, 0.6f}}, {1, Colour{0.12f, 0.12f, 0.3f, 0.9f}}}));
  for (float side : {-1.0f, 1.0f}) {
    // One glow over the whole wall, so that its segments do not brighten where they meet.
    auto segments = std::make_shared<std::vector<std::pair<Point, Point>>>();
    for (int i = 0; i < 48; ++i) segments->push_back({edge(side, float(i) / 48), edge(side, float(i + 1) / 48)});
    const raster::Shape wall{[segments](float x, float y) {
                               float best = 1e30f;
                               for (const auto& [a, b] : *segments) {
                                 const float dx = b.x - a.x, dy = b.y - a.y;
                                 const float t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
                                 const float width = 1.0f + 3.0f * (a.y + t * dy - 250.0f) / 370.0f;  // nearer is wider
                                 best = std::min(best, std::hypot(x - a.x - t * dx, y - a.y - t * dy) - width);
                               }
                               return best;
                             },
                             {0, 240, 800, 620}};
    p.Glow(wall, raster::WithAlpha(side < 0 ? raster::Hex(0xff40c0) : raster::Hex(0x40e0ff), 0.85f), 12);
  }
  FlyingShip(p, 9, {520, 330}, 120, 22, 90);
  FlyingShip(p, 5, {450, 400}, 125, 32, 140);
  FlyingShip(p, 6, {330, 480}, 130, 52, 200);
  FlyingShip(p, 4, {500, 500}, 118, 44, 170);
  PaintTitle(p, "QUORVEX", 400, 50, 70);
  Tagline(p, 145, 200);
  DarkFooter(c, 40);
}

void GridSplash(raster::Canvas& c) {
  Backdrop(c, 0x030208, 0x0c0418, 303);
  const raster::Painter p(c);
  PaintPlanet(p, {400, 1450}, 1100, raster::Hex(0x602080), raster::Hex(0xff70d0), -90, 11);
  PaintTitle(p, "QUORVEX", 400, 60, 84);
  Tagline(p, 170, 230);
  // The twelve ships on the grid, two staggered rows, noses to the right.
  for (int team = 1; team <= kShipCount; ++team) {
    const int column = (team - 1) / 2, row = (team - 1) % 2;
    const Point at{660.0f - float(column) * 100.0f - float(row) * 50.0f, 300.0f + float(row) * 110.0f};
    p.Glow(raster::Ellipse({at.x - 10, at.y + 28}, 36, 6), Colour{0.4f, 0.3f, 0.8f, 0.35f}, 14);  // hover glow below
    DrawShip(p.Moved(at.x, at.y).Scaled(38), team);
  }
  DarkFooter(c, 40);
}

}  // namespace

void AddSplashPainters(PainterTable& table) {
  table["Inc/Splash1.jpg"] = TitleSplash;
  table["Inc/Splash2.jpg"] = RaceSplash;
  table["Inc/Splash3.jpg"] = GridSplash;
}

}  // namespace pictures
