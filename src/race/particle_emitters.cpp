// The ways particles are made: bursts, rings, inward sparks, debris, smoke and trails.
#include <string>

#include "race/geometry.h"
#include "race/particle.h"
#include "shell/colour.h"
#include "shell/random.h"

namespace {

struct Rgb {
  int r = 0, g = 0, b = 0;
};

Rgb ColourOf(const std::string& colour) {
  Rgb rgb;
  ParseColour(colour, rgb.r, rgb.g, rgb.b);
  return rgb;
}

// Smoke and trails without a colour take a random one.
Rgb ColourOrRandom(const std::string& colour) {
  if (!colour.empty()) return ColourOf(colour);
  Rgb rgb;
  rgb.r = Rand(1, 255);
  rgb.g = Rand(1, 255);
  rgb.b = Rand(1, 255);
  return rgb;
}

}  // namespace

// Every random value is drawn into a local first, in the listed order, so that a seed
// replays the same burst whatever order the compiler evaluates arguments in.
void TParticle::Explosion(int x, int y, const std::string& colour, int typ, float size) {
  const Rgb rgb = ColourOf(colour);
  const int count = typ == 2 ? 80 : 40;
  for (int k = 0; k < count; ++k) {
    const float angle = float(Rand(1, 360));
    const float speed = Rnd(6, 16);
    const float alpha = Rnd(1, 1.5f);
    const float scale = Rnd(1.5f, 3) * size;
    CreateParticle(x, y, angle, speed, alpha, scale, rgb.r, rgb.g, rgb.b, typ, 0);
  }
}

void TParticle::Ring(int x, int y, const std::string& /*colour*/, float alpha) {
  // Always white: the ring picture carries its own look.
  CreateParticle(x, y, 0, 0, alpha, 0.25f, 255, 255, 255, 8, 0);
}

void TParticle::Energize(int x, int y, int typ, float radius, const std::string& colour, float size) {
  const Rgb rgb = ColourOf(colour);
  const float angle = float(Rand(1, 360));
  const int startX = int(float(x) + CosDeg(angle) * radius);
  const int startY = int(float(y) + SinDeg(angle) * radius);
  const float speed = Rnd(0.3f, 1.5f);
  const float alpha = Rnd(1, 2.5f);
  CreateParticle(startX, startY, angle + 180, speed, alpha, size, rgb.r, rgb.g, rgb.b, typ, 0);
}

void TParticle::Collision(int x, int y, float angle, float /*speed*/, const std::string& colour) {
  const Rgb rgb = ColourOf(colour);
  const int count = Rand(5, 10);
  for (int k = 0; k < count; ++k) {
    // The turns add up, so the debris fans out from the hit.
    angle += float(Rand(-90, 90));
    const float bitSpeed = Rnd(3, 5);
    const int frame = Rand(0, 3);
    CreateParticle(x, y, angle, bitSpeed, 1, 1, rgb.r, rgb.g, rgb.b, 4, frame);
  }
}

void TParticle::Smoke(int x, int y, const std::string& colour, float angle, float speed, float alpha) {
  const Rgb rgb = ColourOrRandom(colour);
  const float scale = Rnd(1, 2);
  CreateParticle(x, y, angle, speed, alpha, scale, rgb.r, rgb.g, rgb.b, 1, 0);
}

void TParticle::Trail(int x, int y, const std::string& colour, float angle, float speed, float alpha, float scale,
                      int typ) {
  const Rgb rgb = ColourOrRandom(colour);
  CreateParticle(x, y, angle, speed, alpha, scale, rgb.r, rgb.g, rgb.b, typ, 0);
}
