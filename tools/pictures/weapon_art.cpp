#include "pictures/weapon_art.h"

#include <cmath>
#include <numbers>

namespace pictures {
namespace {

using raster::Colour;
using raster::Point;

const Colour kWhite{1, 1, 1, 1};

Colour Shade(const Colour& tint, float k) { return raster::Brighter(tint, k); }
Colour Light(const Colour& tint, float mix) { return raster::Mix(tint, kWhite, mix); }

}  // namespace

void DrawCannonShell(const raster::Painter& p, const Colour& tint) {
  // A short hot trail, then the shell itself.
  p.Glow(raster::Capsule({-0.75f, 0}, {0.1f, 0}, 0.04f), raster::WithAlpha(tint, 0.45f), 0.18f);
  p.Glow(raster::Ellipse({0.15f, 0}, 0.32f, 0.16f), raster::WithAlpha(tint, 0.7f), 0.3f);
  p.Fill(raster::Ellipse({0.15f, 0}, 0.32f, 0.16f),
         raster::LinearGradient({0.15f, -0.16f}, {0.15f, 0.16f}, {{0, Shade(tint, 0.55f)}, {0.35f, Light(tint, 0.8f)}, {1, Shade(tint, 0.4f)}}));
  p.Fill(raster::Ellipse({0.3f, -0.04f}, 0.1f, 0.05f), Light(tint, 1.0f));
}

void DrawLaserBolt(const raster::Painter& p, const Colour& tint) {
  const raster::Shape bolt = raster::Capsule({-0.85f, 0}, {0.85f, 0}, 0.06f);
  p.Glow(bolt, raster::WithAlpha(tint, 0.6f), 0.32f);
  p.Fill(raster::Capsule({-0.85f, 0}, {0.85f, 0}, 0.1f), Light(tint, 0.4f));
  p.Fill(bolt, Light(tint, 1.0f));
}

void DrawPlasmaBall(const raster::Painter& p, const Colour& tint) {
  p.Glow(raster::Circle({0, 0}, 0.3f), raster::WithAlpha(tint, 0.55f), 0.6f);
  p.Fill(raster::Circle({0, 0}, 0.42f),
         raster::RadialGradient({0, 0}, 0.42f, {{0, Light(tint, 1.0f)}, {0.45f, Light(tint, 0.5f)}, {1, Shade(tint, 0.35f)}}));
  // Two swirling arcs of charge around the core.
  for (int i = 0; i < 2; ++i) {
    const float turn = float(i) * 180.0f;
    const raster::Shape arc = raster::Intersect(raster::Outline(raster::Circle({0, 0}, 0.62f), 0.06f),
                                                raster::Rotated(raster::Polygon({{0, 0}, {1, -1}, {1, 0.2f}}), turn, {0, 0}));
    p.Fill(arc, Light(tint, 0.7f));
  }
  p.Fill(raster::Circle({-0.1f, -0.1f}, 0.1f), kWhite);
}

void DrawMissile(const raster::Painter& p, const Colour& tint) {
  // Exhaust flame behind the body.
  p.Glow(raster::Ellipse({-0.72f, 0}, 0.22f, 0.07f), raster::WithAlpha(Light(tint, 0.5f), 0.9f), 0.22f);
  const raster::Shape fins = raster::SymmetricPolygon({{-0.25f, -0.1f}, {-0.58f, -0.36f}, {-0.64f, -0.36f}, {-0.56f, -0.1f}}, 0);
  p.Fill(fins, Shade(tint, 0.6f));
  p.Fill(raster::Outline(fins, 0.05f), Light(tint, 0.4f));
  const raster::Shape body = raster::Union(raster::Capsule({-0.55f, 0}, {0.45f, 0}, 0.12f),
                                           raster::SymmetricPolygon({{0.85f, 0}, {0.4f, -0.12f}, {0.4f, 0}}, 0));
  p.Fill(body, raster::LinearGradient({0, -0.12f}, {0, 0.12f}, {{0, Shade(tint, 0.5f)}, {0.4f, Light(tint, 0.85f)}, {1, Shade(tint, 0.45f)}}));
  p.Fill(raster::Capsule({0.28f, 0}, {0.36f, 0}, 0.12f), Shade(tint, 0.35f));  // warhead band
  p.Fill(raster::Circle({0.62f, 0}, 0.05f), raster::Hex(0xffffff));
}

void DrawMine(const raster::Painter& p, const Colour& tint) {
  const raster::Shape spikes = raster::Star({0, 0}, 8, 0.78f, 0.42f, 0);
  p.Fill(spikes, Shade(tint, 0.5f));
  p.Fill(raster::Outline(spikes, 0.06f), Light(tint, 0.3f));
  p.Fill(raster::Circle({0, 0}, 0.46f),
         raster::RadialGradient({-0.15f, -0.15f}, 0.6f, {{0, Light(tint, 0.5f)}, {1, Shade(tint, 0.3f)}}));
  p.Fill(raster::Outline(raster::Circle({0, 0}, 0.3f), 0.05f), Shade(tint, 0.8f));
  p.Glow(raster::Circle({0, 0}, 0.1f), raster::WithAlpha(kWhite, 0.95f), 0.25f);
}

void DrawBomb(const raster::Painter& p, const Colour& tint) {
  p.Fill(raster::Circle({-0.05f, 0.05f}, 0.62f),
         raster::RadialGradient({-0.3f, -0.2f}, 0.9f, {{0, Light(tint, 0.6f)}, {0.5f, Shade(tint, 0.55f)}, {1, Shade(tint, 0.2f)}}));
  // Hazard band: four bright segments around the shell.
  for (int i = 0; i < 4; ++i) {
    const raster::Shape wedge = raster::Rotated(raster::Polygon({{0, 0}, {1, -0.35f}, {1, 0.35f}}), float(i) * 90.0f + 45.0f, {0, 0});
    p.Fill(raster::Intersect(raster::Outline(raster::Circle({-0.05f, 0.05f}, 0.42f), 0.12f), wedge), Light(tint, 0.8f));
  }
  p.Fill(raster::Rotated(raster::RoundedBox({0.3f, -0.12f, 0.62f, 0.12f}, 0.04f), -45, {0, 0}), Shade(tint, 0.7f));
  p.Glow(raster::Circle({0.5f, -0.5f}, 0.08f), raster::WithAlpha(raster::Hex(0xffffff), 1.0f), 0.3f);  // burning fuse
}

void DrawTurboChevrons(const raster::Painter& p, const Colour& tint) {
  for (int i = 0; i < 3; ++i) {
    const float x = -0.6f + float(i) * 0.5f;
    const raster::Shape chevron = raster::Polygon({{x + 0.35f, 0}, {x - 0.05f, -0.55f}, {x - 0.3f, -0.55f}, {x + 0.1f, 0},
                                                   {x - 0.3f, 0.55f}, {x - 0.05f, 0.55f}});
    p.Glow(chevron, raster::WithAlpha(tint, 0.35f), 0.18f);
    p.Fill(chevron, Light(tint, 0.3f + 0.3f * float(i)));
  }
}

void DrawShieldEmblem(const raster::Painter& p, const Colour& tint) {
  const raster::Shape hex = raster::RegularPolygon({0, 0}, 6, 0.85f, 30);
  p.Glow(raster::Outline(hex, 0.08f), raster::WithAlpha(tint, 0.5f), 0.2f);
  p.Fill(raster::Outline(hex, 0.1f), Light(tint, 0.6f));
  const raster::Shape crest = raster::Polygon({{-0.4f, -0.45f}, {0.4f, -0.45f}, {0.4f, 0.0f}, {0.2f, 0.3f}, {0, 0.5f}, {-0.2f, 0.3f}, {-0.4f, 0.0f}});
  p.Fill(crest, raster::LinearGradient({0, -0.45f}, {0, 0.5f}, {{0, Light(tint, 0.7f)}, {1, Shade(tint, 0.4f)}}));
  p.Fill(raster::Outline(crest, 0.06f), Light(tint, 0.9f));
  p.Fill(raster::Capsule({0, -0.3f}, {0, 0.3f}, 0.05f), Light(tint, 1.0f));
}

}  // namespace pictures
