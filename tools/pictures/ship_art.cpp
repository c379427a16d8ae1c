#include "pictures/ship_art.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace pictures {
namespace {

using raster::Colour;
using raster::Point;

struct Engine {
  Point at;  // on the upper side (y <= 0); one on the centre line stays single
  float size;
};

struct ShipDesign {
  std::vector<Point> hull;                // upper half from nose to tail, mirrored below
  std::vector<std::vector<Point>> wings;  // upper-side polygons, each mirrored below
  Point cockpit;
  float cockpitLength, cockpitWidth;
  std::vector<Engine> engines;
};

constexpr uint32_t kTeamColours[kShipCount] = {0xff6600, 0x0080ff, 0x00ffff, 0xce67e9, 0xffff00, 0xff7091,
                                               0x0080ff, 0x8000ff, 0x00f900, 0xd40000, 0x3fa971, 0xffffff};

// Points on a circle from one angle to another (degrees, clockwise on screen).
std::vector<Point> Arc(Point centre, float radius, float from, float to, int steps) {
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    const float a = (from + (to - from) * float(i) / float(steps)) * std::numbers::pi_v<float> / 180.0f;
    points.push_back({centre.x + std::cos(a) * radius, centre.y + std::sin(a) * radius});
  }
  return points;
}

std::vector<Point> Joined(std::vector<Point> a, const std::vector<Point>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<ShipDesign> MakeDesigns() {
  std::vector<ShipDesign> d(kShipCount);
  // 1 Ranger: the classic arrow with swept wings and twin engines.
  d[0] = {{{1, 0}, {0.6f, -0.12f}, {0.1f, -0.22f}, {-0.7f, -0.26f}, {-0.86f, -0.16f}, {-0.86f, 0}},
          {{{0.25f, -0.2f}, {-0.45f, -0.86f}, {-0.76f, -0.86f}, {-0.6f, -0.2f}}},
          {0.35f, 0}, 0.26f, 0.1f, {{{-0.86f, -0.13f}, 0.12f}}};
  // 2 Sting: a needle with canards and one big engine.
  d[1] = {{{1, 0}, {0.2f, -0.09f}, {-0.3f, -0.16f}, {-0.9f, -0.14f}, {-0.9f, 0}},
          {{{-0.2f, -0.14f}, {-0.72f, -0.62f}, {-0.86f, -0.62f}, {-0.78f, -0.15f}},
           {{0.42f, -0.06f}, {0.18f, -0.34f}, {0.06f, -0.34f}, {0.14f, -0.08f}}},
          {0.1f, 0}, 0.22f, 0.07f, {{{-0.92f, 0}, 0.17f}}};
  // 3 Gecko: a broad body on four outrigger pods.
  d[2] = {{{0.78f, 0}, {0.6f, -0.24f}, {0.2f, -0.33f}, {-0.4f, -0.33f}, {-0.72f, -0.2f}, {-0.76f, 0}},
          {{{0.55f, -0.3f}, {0.8f, -0.7f}, {0.62f, -0.82f}, {0.32f, -0.33f}},
           {{-0.22f, -0.3f}, {-0.55f, -0.82f}, {-0.78f, -0.76f}, {-0.5f, -0.3f}}},
          {0.3f, 0}, 0.22f, 0.15f, {{{-0.72f, -0.78f}, 0.1f}, {{-0.76f, -0.12f}, 0.1f}}};
  // 4 Neon: a disc with a forward prong.
  d[3] = {Joined({{1, 0}, {0.45f, -0.1f}}, Arc({-0.1f, 0}, 0.62f, -20, -180, 10)),
          {{{-0.45f, -0.45f}, {-0.9f, -0.72f}, {-0.96f, -0.6f}, {-0.6f, -0.3f}}},
          {-0.05f, 0}, 0.22f, 0.2f, {{{-0.7f, -0.22f}, 0.1f}}};
  // 5 Ty: a compact wedge with split wings.
  d[4] = {{{0.82f, 0}, {0.2f, -0.18f}, {-0.6f, -0.3f}, {-0.72f, 0}},
          {{{0.0f, -0.2f}, {-0.22f, -0.78f}, {-0.46f, -0.8f}, {-0.46f, -0.25f}},
           {{0.3f, -0.15f}, {0.22f, -0.45f}, {0.1f, -0.47f}, {0.05f, -0.18f}}},
          {0.2f, 0}, 0.2f, 0.1f, {{{-0.72f, -0.15f}, 0.12f}}};
  // 6 Roza: forward-swept wings on a rounded hull.
  d[5] = {{{0.96f, 0}, {0.72f, -0.16f}, {0.2f, -0.21f}, {-0.6f, -0.21f}, {-0.86f, -0.1f}, {-0.86f, 0}},
          {{{-0.4f, -0.18f}, {0.16f, -0.82f}, {0.0f, -0.88f}, {-0.72f, -0.2f}}},
          {0.45f, 0}, 0.22f, 0.1f, {{{-0.86f, -0.1f}, 0.11f}}};
  // 7 Fedz: twin booms joined by a wing, the pilot in a short central pod.
  d[6] = {{{0.55f, 0}, {0.35f, -0.13f}, {-0.3f, -0.15f}, {-0.42f, 0}},
          {{{0.92f, -0.52f}, {0.8f, -0.64f}, {-0.86f, -0.64f}, {-0.86f, -0.42f}, {0.8f, -0.42f}},
           {{0.12f, -0.1f}, {0.12f, -0.46f}, {-0.26f, -0.46f}, {-0.32f, -0.1f}}},
          {0.2f, 0}, 0.2f, 0.09f, {{{-0.88f, -0.53f}, 0.11f}}};
  // 8 Vio: one great delta wing.
  d[7] = {{{1, 0}, {-0.76f, -0.86f}, {-0.6f, -0.22f}, {-0.82f, 0}},
          {{{-0.5f, -0.68f}, {-0.94f, -0.96f}, {-0.86f, -0.66f}}},
          {0.15f, 0}, 0.26f, 0.1f, {{{-0.72f, -0.12f}, 0.1f}}};
  // 9 Krait: a long striking hull with forward mandibles.
  d[8] = {{{0.76f, 0}, {0.5f, -0.18f}, {-0.2f, -0.22f}, {-0.95f, -0.1f}, {-0.95f, 0}},
          {{{0.5f, -0.2f}, {1.0f, -0.3f}, {0.95f, -0.4f}, {0.34f, -0.33f}},
           {{-0.3f, -0.2f}, {-0.6f, -0.52f}, {-0.8f, -0.52f}, {-0.7f, -0.15f}}},
          {0.25f, 0}, 0.2f, 0.09f, {{{-0.96f, 0}, 0.13f}}};
  // 10 Octo: a round bulb trailing four fins.
  d[9] = {Joined(Arc({0.25f, 0}, 0.52f, 0, -150, 10), {{-0.5f, -0.12f}, {-0.5f, 0}}),
          {{{-0.15f, -0.38f}, {-0.9f, -0.74f}, {-0.97f, -0.62f}, {-0.3f, -0.26f}},
           {{-0.25f, -0.16f}, {-0.97f, -0.32f}, {-0.97f, -0.2f}, {-0.3f, -0.05f}}},
          {0.33f, 0}, 0.2f, 0.2f, {{{-0.5f, 0}, 0.15f}}};
  // 11 Hutt: a heavy armoured hauler with three engines.
  d[10] = {{{0.76f, 0}, {0.76f, -0.35f}, {0.55f, -0.55f}, {-0.7f, -0.55f}, {-0.86f, -0.4f}, {-0.86f, 0}},
           {{{0.3f, -0.54f}, {0.2f, -0.72f}, {-0.5f, -0.72f}, {-0.6f, -0.54f}}},
           {0.5f, 0}, 0.14f, 0.26f, {{{-0.88f, -0.34f}, 0.12f}, {{-0.88f, 0}, 0.12f}}};
  // 12 Geo: hard angles, a diamond hull and cropped wings.
  d[11] = {{{1, 0}, {0.3f, -0.36f}, {-0.5f, -0.36f}, {-0.86f, 0}},
           {{{0.1f, -0.3f}, {-0.2f, -0.86f}, {-0.46f, -0.86f}, {-0.46f, -0.33f}}},
           {0.35f, 0}, 0.22f, 0.12f, {{{-0.72f, -0.18f}, 0.1f}}};
  return d;
}

const ShipDesign& Design(int team) {
  static const std::vector<ShipDesign> designs = MakeDesigns();
  return designs[size_t((team - 1 + kShipCount) % kShipCount)];
}

raster::Shape Mirrored(const std::vector<Point>& upper) {
  std::vector<Point> closed = upper;
  raster::Shape top = raster::Polygon(closed);
  return raster::Union(top, raster::MirroredY(top, 0));
}

// Engines on the centre line stay single; the others come in mirrored pairs.
std::vector<Engine> AllEngines(const ShipDesign& design) {
  std::vector<Engine> engines;
  for (const Engine& e : design.engines) {
    engines.push_back(e);
    if (e.at.y < -0.01f) engines.push_back({{e.at.x, -e.at.y}, e.size});
  }
  return engines;
}

}  // namespace

uint32_t TeamColour(int team) { return kTeamColours[size_t((team - 1 + kShipCount) % kShipCount)]; }

void DrawShip(const raster::Painter& p, int team) {
  const ShipDesign& design = Design(team);
  const Colour team_colour = raster::Hex(TeamColour(team));
  const Colour edge = raster::Mix(team_colour, {1, 1, 1, 1}, 0.3f);
  const float line = 0.05f + 1.1f / p.scale();  // about a pixel and a half on a sprite

  const raster::Shape hull = raster::SymmetricPolygon(design.hull, 0);
  std::vector<raster::Shape> wings;
  for (const auto& wing : design.wings) wings.push_back(Mirrored(wing));
  const std::vector<Engine> engines = AllEngines(design);

  // A faint halo in the team colour, so that the ship stands out on a dark track.
  p.Glow(hull, raster::WithAlpha(team_colour, 0.22f), 0.2f);
  for (const raster::Shape& wing : wings) p.Glow(wing, raster::WithAlpha(team_colour, 0.16f), 0.16f);
  // Exhaust glow first, so that the hull covers its root.
  for (const Engine& e : engines) {
    p.Glow(raster::Ellipse({e.at.x - e.size * 0.8f, e.at.y}, e.size * 1.6f, e.size * 0.8f),
           raster::WithAlpha(raster::Mix(team_colour, {1, 1, 1, 1}, 0.2f), 0.8f), e.size * 1.6f);
  }
  for (const raster::Shape& wing : wings) {
    p.Fill(wing, raster::LinearGradient({0.6f, 0}, {-0.9f, 0},
                                        {{0, raster::Brighter(team_colour, 0.55f)}, {1, raster::Brighter(team_colour, 0.3f)}}));
    p.Fill(raster::Outline(wing, line), edge);
  }
  p.Fill(hull, raster::LinearGradient({0, -0.6f}, {0, 0.6f},
                                      {{0, raster::Brighter(team_colour, 0.35f)},
                                       {0.5f, raster::Brighter(team_colour, 0.8f)},
                                       {1, raster::Brighter(team_colour, 0.35f)}}));
  p.Fill(raster::Outline(hull, line), edge);
  // Spine highlight along the centre line, behind the canopy.
  const float nose = design.hull.front().x, tail = design.hull.back().x;
  p.Fill(raster::Capsule({nose - 0.25f, 0}, {tail + 0.2f, 0}, line * 0.35f),
         raster::WithAlpha(raster::Mix(team_colour, {1, 1, 1, 1}, 0.6f), 0.6f));
  // Canopy: pale glass with a white glint towards the nose.
  const raster::Shape canopy = raster::Ellipse(design.cockpit, design.cockpitLength, design.cockpitWidth);
  p.Fill(raster::Grow(canopy, line * 0.6f), raster::Brighter(team_colour, 0.2f));
  p.Fill(canopy, raster::RadialGradient({design.cockpit.x + design.cockpitLength * 0.4f, design.cockpit.y - design.cockpitWidth * 0.3f},
                                        design.cockpitLength * 1.6f,
                                        {{0, raster::Hex(0xffffff)}, {0.45f, raster::Hex(0xa8e8ff)}, {1, raster::Hex(0x2a5a8a)}}));
  // Engine cores: hot and white.
  for (const Engine& e : engines) {
    p.Fill(raster::Circle(e.at, e.size * 0.75f), raster::Brighter(team_colour, 0.4f));
    p.Glow(raster::Circle(e.at, e.size * 0.35f), raster::Hex(0xffffff, 0.9f), e.size * 0.6f);
  }
}

}  // namespace pictures
