// Backdrops and titles shared by the splashes, the logo and the instructions picture.
#pragma once

#include <cstdint>
#include <string>

#include "raster/painter.h"

namespace pictures {

// Soft clouds of two colours over the canvas (painted as light).
void PaintNebula(raster::Canvas& canvas, const raster::Colour& a, const raster::Colour& b, uint32_t seed,
                 float strength);
// Stars of many sizes, a few with glints.
void PaintStars(raster::Canvas& canvas, int count, uint32_t seed);
// A lit planet: day side towards the light direction (degrees), with an atmosphere rim.
void PaintPlanet(const raster::Painter& p, raster::Point centre, float radius, const raster::Colour& surface,
                 const raster::Colour& atmosphere, float lightDegrees, uint32_t seed);
// An engine trail fading from full at head to nothing at tail.
void PaintTrail(const raster::Painter& p, raster::Point tail, raster::Point head, float width,
                const raster::Colour& colour);
// The game's name in glowing capitals, centred on centreX.
void PaintTitle(const raster::Painter& p, const std::string& text, float centreX, float top, float height);

}  // namespace pictures
