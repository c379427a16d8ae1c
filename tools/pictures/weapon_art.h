// The weapons, drawn centred on the painter's origin, pointing along +x and spanning -1..1.
// They are drawn near white: the game tints each with the colour of the ship that fired it.
// The achievement badges reuse them in colour.
#pragma once

#include "raster/painter.h"

namespace pictures {

void DrawCannonShell(const raster::Painter& p, const raster::Colour& tint);
void DrawLaserBolt(const raster::Painter& p, const raster::Colour& tint);
void DrawPlasmaBall(const raster::Painter& p, const raster::Colour& tint);
void DrawMissile(const raster::Painter& p, const raster::Colour& tint);
void DrawMine(const raster::Painter& p, const raster::Colour& tint);
void DrawBomb(const raster::Painter& p, const raster::Colour& tint);
void DrawTurboChevrons(const raster::Painter& p, const raster::Colour& tint);
void DrawShieldEmblem(const raster::Painter& p, const raster::Colour& tint);

}  // namespace pictures
