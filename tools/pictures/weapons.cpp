// The weapon pictures: what flies down the track and what the HUD shows in its container.
#include <cmath>

#include "pictures/painters.h"
#include "pictures/weapon_art.h"

namespace pictures {
namespace {

const raster::Colour kNeutral{0.92f, 0.95f, 1.0f, 1.0f};

raster::Painter Centred(raster::Canvas& canvas) {
  return raster::Painter(canvas).Moved(float(canvas.width()) * 0.5f, float(canvas.height()) * 0.5f)
      .Scaled(float(canvas.width()) * 0.47f);
}

// Three of a kind spreading apart: the "x 3" pick-ups fire at spread angles.
template <typename Draw>
void Three(raster::Canvas& canvas, float spread, float across, float ahead, float size, Draw draw) {
  const raster::Painter p = Centred(canvas);
  for (int side : {-1, 1, 0}) {
    draw(p.Moved(side == 0 ? ahead : -ahead * 0.5f, float(side) * across).Turned(float(side) * spread).Scaled(size),
         kNeutral);
  }
}

}  // namespace

void AddWeaponPainters(PainterTable& table) {
  table["Media/Weapons/Cannon.png"] = [](raster::Canvas& c) { DrawCannonShell(Centred(c).Scaled(0.8f), kNeutral); };
  table["Media/Weapons/Laser.png"] = [](raster::Canvas& c) { DrawLaserBolt(Centred(c), kNeutral); };
  table["Media/Weapons/Plasma.png"] = [](raster::Canvas& c) { DrawPlasmaBall(Centred(c).Scaled(0.8f), kNeutral); };
  table["Media/Weapons/Missile.png"] = [](raster::Canvas& c) { DrawMissile(Centred(c), kNeutral); };
  table["Media/Weapons/Mine.png"] = [](raster::Canvas& c) { DrawMine(Centred(c).Scaled(0.8f), kNeutral); };
  table["Media/Weapons/Bomb.png"] = [](raster::Canvas& c) { DrawBomb(Centred(c).Scaled(0.95f), kNeutral); };
  table["Media/Weapons/Plasma3.png"] = [](raster::Canvas& c) {
    Three(c, 0, 0.48f, 0.34f, 0.42f, [](const raster::Painter& p, const raster::Colour& t) { DrawPlasmaBall(p, t); });
  };
  table["Media/Weapons/Laser3.png"] = [](raster::Canvas& c) {
    Three(c, 12, 0.5f, 0.12f, 0.62f, [](const raster::Painter& p, const raster::Colour& t) { DrawLaserBolt(p, t); });
  };
  table["Media/Weapons/Turbo.png"] = [](raster::Canvas& c) { DrawTurboChevrons(Centred(c).Scaled(0.9f), kNeutral); };
  table["Media/Weapons/WeaponShield.png"] = [](raster::Canvas& c) { DrawShieldEmblem(Centred(c).Scaled(0.95f), kNeutral); };
}

}  // namespace pictures
