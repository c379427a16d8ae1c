// The achievement badges: a coloured disc with a gold rim and an emblem for what was done,
// and the grey locked badge shown until it is earned.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "pictures/badge_art.h"
#include "pictures/painters.h"
#include "pictures/ship_art.h"
#include "pictures/weapon_art.h"

namespace pictures {
namespace {

using raster::Colour;
using raster::Point;

const Colour kWhite{1, 1, 1, 1};
const Colour kGold = raster::Hex(0xffd040);

// Emblems are drawn in a 64-unit box, centred on (32, 32).
using Emblem = std::function<void(const raster::Painter&)>;

raster::Painter Unit(const raster::Painter& p, float size) { return p.Moved(32, 32).Scaled(size); }

void Crown(const raster::Painter& p, const Colour& colour) {
  const raster::Shape crown = raster::Polygon({{16, 42}, {14, 22}, {24, 31}, {32, 17}, {40, 31}, {50, 22}, {48, 42}});
  DrawWithEdge(p, crown, raster::LinearGradient({0, 17}, {0, 42}, {{0, raster::Mix(colour, kWhite, 0.5f)}, {1, raster::Brighter(colour, 0.7f)}}), 1.5f);
  for (Point gem : {Point{14, 21}, Point{32, 16}, Point{50, 21}}) p.Fill(raster::Circle(gem, 2.6f), kWhite);
  p.Fill(raster::RoundedBox({16, 42, 48, 47}, 1.5f), raster::Brighter(colour, 0.8f));
}

void Crosshair(const raster::Painter& p, Point c, float r, const Colour& colour) {
  p.Fill(raster::Grow(raster::Outline(raster::Circle(c, r), 3), 1.2f), raster::Hex(0x0a0c18));
  p.Fill(raster::Outline(raster::Circle(c, r), 3), colour);
  for (float a = 0; a < 360; a += 90) {
    const float k = a * 3.14159265f / 180.0f;
    p.Fill(raster::Capsule({c.x + std::cos(k) * r * 0.45f, c.y + std::sin(k) * r * 0.45f},
                           {c.x + std::cos(k) * r * 1.3f, c.y + std::sin(k) * r * 1.3f}, 1.5f), colour);
  }
  p.Fill(raster::Circle(c, 2), colour);
}

void StarEmblem(const raster::Painter& p, Point c, float r, const Colour& colour) {
  DrawWithEdge(p, raster::Star(c, 5, r, r * 0.42f, -90),
               raster::RadialGradient(c, r, {{0, raster::Mix(colour, kWhite, 0.7f)}, {1, colour}}), 1.5f);
}

void Heart(const raster::Painter& p, const Colour& colour) {
  const raster::Shape heart = raster::Union(raster::Union(raster::Circle({24.5f, 27}, 9), raster::Circle({39.5f, 27}, 9)),
                                            raster::Polygon({{16.5f, 31}, {47.5f, 31}, {32, 48}}));
  DrawWithEdge(p, heart, raster::RadialGradient({27, 24}, 26, {{0, raster::Mix(colour, kWhite, 0.5f)}, {1, colour}}), 1.5f);
}

void Cross(const raster::Painter& p, const Colour& colour) {
  const raster::Shape x = raster::Union(raster::Capsule({19, 19}, {45, 45}, 5), raster::Capsule({45, 19}, {19, 45}, 5));
  DrawWithEdge(p, x, raster::Solid(colour), 1.5f);
}

void RingedPlanet(const raster::Painter& p) {
  const raster::Shape ring = raster::Rotated(raster::Outline(raster::Ellipse({32, 32}, 24, 7), 3), -20, {32, 32});
  const raster::Shape back = raster::Intersect(ring, raster::Rotated(raster::Polygon({{0, 0}, {64, 0}, {64, 32}, {0, 32}}), -20, {32, 32}));
  const raster::Shape front = raster::Subtract(ring, back);
  p.Fill(back, raster::Hex(0xffe0a0));
  DrawWithEdge(p, raster::Circle({32, 32}, 13), raster::RadialGradient({27, 27}, 18, {{0, raster::Hex(0x9fe0ff)}, {1, raster::Hex(0x2050b0)}}), 1.2f);
  p.Fill(front, raster::Hex(0xffe0a0));
}

void Trophy(const raster::Painter& p, const Colour& colour) {
  const raster::Paint metal = raster::LinearGradient({18, 0}, {46, 0}, {{0, raster::Mix(colour, kWhite, 0.5f)}, {1, raster::Brighter(colour, 0.65f)}});
  const raster::Shape handles = raster::Union(raster::Outline(raster::Circle({19, 25}, 6), 3), raster::Outline(raster::Circle({45, 25}, 6), 3));
  const raster::Shape cup = raster::Union(raster::Polygon({{18, 16}, {46, 16}, {43, 30}, {36, 37}, {28, 37}, {21, 30}}),
                                          raster::Union(raster::RoundedBox({29, 36, 35, 44}, 1), raster::RoundedBox({22, 44, 42, 49}, 2)));
  DrawWithEdge(p, raster::Union(cup, handles), metal, 1.5f);
}

void Peace(const raster::Painter& p) {
  const raster::Shape sign = raster::Union(raster::Outline(raster::Circle({32, 32}, 15), 4),
                                           raster::Union(raster::Capsule({32, 17}, {32, 47}, 2),
                                                         raster::Union(raster::Capsule({32, 33}, {21.5f, 43}, 2),
                                                                       raster::Capsule({32, 33}, {42.5f, 43}, 2))));
  DrawWithEdge(p, sign, raster::Solid(kWhite), 1.5f);
}

void Burst(const raster::Painter& p) {
  DrawWithEdge(p, raster::Star({32, 32}, 12, 21, 10, 0), raster::RadialGradient({32, 32}, 21, {{0, raster::Hex(0xffffc0)}, {0.5f, raster::Hex(0xffa020)}, {1, raster::Hex(0xe03010)}}), 1.5f);
  DrawShip(p.Moved(32, 32).Turned(-45).Scaled(8), 10);
}

void NoSign(const raster::Painter& p) {
  p.Fill(raster::Grow(raster::Outline(raster::Circle({32, 32}, 18), 4), 1.2f), raster::Hex(0x0a0c18));
  p.Fill(raster::Union(raster::Outline(raster::Circle({32, 32}, 18), 4), raster::Capsule({19.5f, 19.5f}, {44.5f, 44.5f}, 2)), raster::Hex(0xff4040));
}

struct Badge {
  const char* file;
  uint32_t colour;
  Emblem emblem;
};

std::vector<Badge> Badges() {
  return {
      {"Speed_King", 0x1e50c8, [](const raster::Painter& p) { Crown(p, kGold); }},
      {"Ace_Pilot", 0x2a8ad8, [](const raster::Painter& p) {
         DrawShip(Unit(p, 20).Turned(-90), 1);
         StarEmblem(p, {48, 16}, 8, kGold);
       }},
      {"Survivor", 0x1f7a40, [](const raster::Painter& p) { Heart(p, raster::Hex(0xff4060)); }},
      {"Eliminator", 0x6a1a1a, [](const raster::Painter& p) { Cross(p, raster::Hex(0xff5030)); }},
      {"Space_Farer", 0x30206a, [](const raster::Painter& p) { RingedPlanet(p); }},
      {"Specialist", 0x503090, [](const raster::Painter& p) { StarEmblem(p, {32, 33}, 19, raster::Hex(0xd8f4ff)); }},
      {"Trophy_Hunter", 0x7a4a10, [](const raster::Painter& p) { Trophy(p, kGold); }},
      {"Sharp_Shooter", 0x404a58, [](const raster::Painter& p) {
         Crosshair(p, {32, 32}, 15, raster::Hex(0xff6040));
         DrawCannonShell(Unit(p, 16).Turned(-30), raster::Hex(0xffd080));
       }},
      {"Major_Laser", 0x102a5a, [](const raster::Painter& p) {
         DrawLaserBolt(Unit(p, 24).Turned(-35), raster::Hex(0x60d0ff));
         DrawLaserBolt(p.Moved(24, 44).Scaled(12).Turned(-35), raster::Hex(0x60d0ff));
       }},
      {"Plasmaster", 0x3a1060, [](const raster::Painter& p) { DrawPlasmaBall(Unit(p, 27), raster::Hex(0xe8a0ff)); }},
      {"Heat_Seeker", 0x5a2a10, [](const raster::Painter& p) { DrawMissile(Unit(p, 29).Turned(-35), raster::Hex(0xffd0a0)); }},
      {"Minefield_Mayhem", 0x2a4a20, [](const raster::Painter& p) { DrawMine(Unit(p, 22), raster::Hex(0x90ff70)); }},
      {"Bomber", 0xa04020, [](const raster::Painter& p) { DrawBomb(Unit(p, 24), raster::Hex(0xffc8b0)); }},
      {"Defender", 0x104a5a, [](const raster::Painter& p) { DrawShieldEmblem(Unit(p, 22), raster::Hex(0x60f0ff)); }},
      {"Hunter", 0x5a1030, [](const raster::Painter& p) {
         Crosshair(p, {24, 26}, 10, raster::Hex(0xff5080));
         Crosshair(p, {41, 39}, 10, raster::Hex(0xff5080));
       }},
      {"Bomb_Disposal", 0x4a4a10, [](const raster::Painter& p) {
         DrawBomb(Unit(p, 15), raster::Hex(0xffe060));
         NoSign(p);
       }},
      {"Pacifist", 0x1a6a6a, [](const raster::Painter& p) { Peace(p); }},
      {"Kamikaze", 0x6a2a08, [](const raster::Painter& p) { Burst(p); }},
      {"Mastery", 0x202060, [](const raster::Painter& p) {
         Crown(p.Moved(0, 8), raster::Hex(0xd8f4ff));
         StarEmblem(p, {32, 15}, 9, kGold);
       }},
      {"Completist", 0x402070, [](const raster::Painter& p) {
         StarEmblem(p, {32, 22}, 11, raster::Hex(0xd8f4ff));
         StarEmblem(p, {19, 41}, 10, kGold);
         StarEmblem(p, {45, 41}, 10, kGold);
       }},
  };
}

void PaintBadge(raster::Canvas& c, const Colour& face, const Colour& rim, const Emblem& emblem) {
  const raster::Painter p = raster::Painter(c).Scaled(float(c.width()) / 64.0f);
  const raster::Shape disc = raster::Circle({32, 32}, 29);
  DrawWithEdge(p, disc, raster::RadialGradient({26, 22}, 40, {{0, raster::Mix(face, kWhite, 0.35f)}, {0.6f, face}, {1, raster::Brighter(face, 0.45f)}}), 1.5f);
  p.Fill(raster::Outline(disc, 3.0f), raster::LinearGradient({0, 3}, {0, 61}, {{0, raster::Mix(rim, kWhite, 0.4f)}, {1, raster::Brighter(rim, 0.6f)}}));
  emblem(p);
}

}  // namespace

void AddAchievementPainters(PainterTable& table) {
  for (const Badge& badge : Badges()) {
    table["Media/Achievements/" + std::string(badge.file) + ".png"] = [badge](raster::Canvas& c) {
      PaintBadge(c, raster::Hex(badge.colour), kGold, badge.emblem);
    };
  }
  table["Media/Achievements/Locked.png"] = [](raster::Canvas& c) {
    PaintBadge(c, raster::Hex(0x3a3f4a), raster::Hex(0x8a909c),
               [](const raster::Painter& p) { DrawPadlock(p.Moved(12, 10).Scaled(1.25f), raster::Hex(0x9aa2b0)); });
  };
}

}  // namespace pictures
