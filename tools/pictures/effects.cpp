// Light effects and HUD frames: the shield bubble, the weapon container, the damage meter,
// the particle pictures, the star, the glow-line dot and the loading-bar flare. All are white
// or nearly so: the game colours them as it draws.
#include <cmath>

#include "pictures/painters.h"
#include "raster/lettering.h"
#include "raster/painter.h"

namespace pictures {
namespace {

using raster::Colour;
using raster::Point;

const Colour kWhite{1, 1, 1, 1};
const Colour kCool{0.85f, 0.93f, 1.0f, 1.0f};

Point Centre(const raster::Canvas& c) { return {float(c.width()) * 0.5f, float(c.height()) * 0.5f}; }

// A brightness profile painted pixel by pixel: f(x, y) gives the light 0..1.
template <typename Profile>
void Light(raster::Canvas& canvas, const Colour& colour, Profile f) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      canvas.Blend(x, y, colour, f(float(x) + 0.5f, float(y) + 0.5f), raster::Blend::kAdd);
    }
  }
}

void PaintShield(raster::Canvas& c) {
  // A bubble: a bright rim, a soft halo outside it and a faint sheen inside.
  const Point m = Centre(c);
  const float rim = float(c.width()) * 0.41f;
  Light(c, kWhite, [&](float x, float y) {
    const float d = std::hypot(x - m.x, y - m.y);
    const float edge = std::exp(-std::pow((d - rim) / 1.6f, 2.0f));
    const float halo = d > rim ? std::exp(-(d - rim) / 2.2f) * 0.45f : 0.0f;
    const float sheen = d < rim ? 0.06f + 0.22f * std::pow(d / rim, 4.0f) : 0.0f;
    return std::min(edge * 0.95f + halo + sheen, 1.0f) * (d < float(c.width()) * 0.5f ? 1.0f : 0.0f);
  });
  const raster::Painter p(c);
  p.Fill(raster::Intersect(raster::Outline(raster::Circle(m, rim - 4), 1.5f), raster::Circle({m.x - 10, m.y - 10}, 12)),
         raster::WithAlpha(kWhite, 0.55f), raster::Blend::kAdd);
}

void PaintContainer(raster::Canvas& c) {
  // A framed window with bright corner brackets; the held weapon shows through its middle.
  const raster::Painter p(c);
  const float w = float(c.width()), h = float(c.height());
  const raster::Shape frame = raster::RoundedBox({2.5f, 2.5f, w - 2.5f, h - 2.5f}, 5);
  p.Fill(raster::Outline(frame, 1.2f), raster::WithAlpha(kCool, 0.55f), raster::Blend::kAdd);
  p.Glow(raster::Outline(frame, 0.6f), raster::WithAlpha(kCool, 0.25f), 2.5f);
  const float k = 9;  // bracket arm length
  for (Point corner : {Point{2.5f, 2.5f}, Point{w - 2.5f, 2.5f}, Point{w - 2.5f, h - 2.5f}, Point{2.5f, h - 2.5f}}) {
    const float sx = corner.x < w / 2 ? 1.0f : -1.0f, sy = corner.y < h / 2 ? 1.0f : -1.0f;
    const Point inner{corner.x + sx * 1.0f, corner.y + sy * 1.0f};
    p.Fill(raster::Capsule(inner, {inner.x + sx * k, inner.y}, 1.2f), kWhite, raster::Blend::kAdd);
    p.Fill(raster::Capsule(inner, {inner.x, inner.y + sy * k}, 1.2f), kWhite, raster::Blend::kAdd);
  }
}

void PaintDamageMeter(raster::Canvas& c) {
  // The HUD fills x 7..56, y 13..18 with the damage bar: frame it a pixel away, mark the
  // quarters, label it.
  const raster::Painter p(c);
  const raster::Shape frame = raster::RoundedBox({5.5f, 11.5f, 58.5f, 20.5f}, 1.5f);
  p.Fill(raster::Outline(frame, 1.0f), kWhite, raster::Blend::kAdd);
  p.Glow(raster::Outline(frame, 0.5f), raster::WithAlpha(kWhite, 0.3f), 2.0f);
  for (int i = 1; i < 4; ++i) {
    const float x = 7.0f + 50.0f * float(i) / 4.0f;
    p.Fill(raster::Capsule({x, 21.0f}, {x, 23.0f}, 0.5f), raster::WithAlpha(kWhite, 0.8f), raster::Blend::kAdd);
  }
  p.Fill(raster::CentredText("DAMAGE", 32.0f, 2.0f, 6.0f, 1.0f), raster::WithAlpha(kWhite, 0.9f), raster::Blend::kAdd);
}

void PaintFlare(raster::Canvas& c) {
  const Point m = Centre(c);
  const float r = float(c.width()) * 0.5f;
  Light(c, kWhite, [&](float x, float y) {
    const float d = std::min(std::hypot(x - m.x, y - m.y) / r, 1.0f);
    return 0.85f * std::exp(-d * d * 9.0f) + 0.25f * (1.0f - d) * (1.0f - d);
  });
}

void PaintSpark(raster::Canvas& c) {
  // A streak along +x: the game turns each spark to its direction of flight.
  const Point m = Centre(c);
  Light(c, kWhite, [&](float x, float y) {
    const float dx = (x - m.x) / (float(c.width()) * 0.5f), dy = (y - m.y) / 1.6f;
    const float along = std::max(1.0f - dx * dx, 0.0f);
    return along * std::exp(-dy * dy) * (0.7f + 0.3f * (dx > 0 ? 1.0f : 0.6f));
  });
}

void PaintBits(raster::Canvas& c) {
  // Four 4 x 4 frames of debris: a shard, a chip, a splinter, a fleck pair.
  const raster::Painter p(c);
  const Colour metal{0.9f, 0.92f, 0.95f, 1.0f};
  p.Fill(raster::Polygon({{0.3f, 3.7f}, {3.7f, 0.3f}, {2.8f, 3.6f}}), metal);
  p.Fill(raster::Rotated(raster::RoundedBox({5.0f, 1.0f, 7.0f, 3.0f}, 0.3f), 30, {6, 2}), metal);
  p.Fill(raster::Capsule({8.6f, 0.6f}, {11.4f, 3.4f}, 0.55f), metal);
  p.Fill(raster::Circle({13.2f, 1.3f}, 0.9f), metal);
  p.Fill(raster::Circle({14.8f, 2.9f}, 0.7f), metal);
}

void PaintStar(raster::Canvas& c) {
  const Point m = Centre(c);
  const float r = float(c.width()) * 0.5f;
  Light(c, {0.9f, 0.95f, 1.0f, 1.0f}, [&](float x, float y) {
    const float dx = (x - m.x) / r, dy = (y - m.y) / r;
    const float d = std::min(std::hypot(dx, dy), 1.0f);
    const float core = std::exp(-d * d * 30.0f);
    const float halo = 0.3f * (1.0f - d) * (1.0f - d);
    const float rays = 0.6f * (std::exp(-dy * dy * 400.0f) + std::exp(-dx * dx * 400.0f)) * (1.0f - d);
    return core + halo + rays;
  });
}

void PaintGlowDot(raster::Canvas& c) {
  // The glow lines sample its middle column across their width and its right half for their
  // caps: a thin bright core inside a wide soft halo.
  const Point m = Centre(c);
  const float r = float(c.width()) * 0.5f;
  Light(c, kWhite, [&](float x, float y) {
    const float d = std::min(std::hypot(x - m.x, y - m.y) / r, 1.0f);
    return 0.9f * std::exp(-std::pow(d / 0.14f, 2.0f)) + 0.4f * std::pow(1.0f - d, 2.2f);
  });
}

void PaintLoadingFlare(raster::Canvas& c) {
  // Stretched into the loading bar: a hot horizontal core, soft above and below, soft ends.
  const float w = float(c.width()), h = float(c.height());
  Light(c, {0.75f, 0.9f, 1.0f, 1.0f}, [&](float x, float y) {
    const float v = (y - h * 0.5f) / (h * 0.5f);
    const float u = x / w;
    const float ends = std::min({u / 0.12f, (1.0f - u) / 0.12f, 1.0f});
    return (0.95f * std::exp(-v * v * 40.0f) + 0.45f * std::max(1.0f - v * v, 0.0f)) * ends;
  });
}

}  // namespace

void AddHudPainters(PainterTable& table) {
  table["Media/Weapons/Shield.png"] = PaintShield;
  table["Media/Weapons/Container.png"] = PaintContainer;
  table["Media/Weapons/DamageMeter.png"] = PaintDamageMeter;
}

void AddParticlePainters(PainterTable& table) {
  table["Media/Weapons/Flare.png"] = PaintFlare;
  table["Media/Weapons/Spark.png"] = PaintSpark;
  table["Media/Weapons/Bits.png"] = PaintBits;
  table["Media/Interface/Star.png"] = PaintStar;
  table["Inc/glowing_dot.png"] = PaintGlowDot;
  table["Inc/Flare.png"] = PaintLoadingFlare;
}

}  // namespace pictures
