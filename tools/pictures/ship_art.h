// The twelve hover ships, drawn from outline data in a space where the ship points along +x
// and spans -1..1 on both axes. Used for the ship sprites and, much larger, on the splashes.
#pragma once

#include <cstdint>

#include "raster/painter.h"

namespace pictures {

constexpr int kShipCount = 12;

// Each team's colour (RRGGBB), as the default game database holds it.
uint32_t TeamColour(int team);

// Draws ship team (1..12) centred on the painter's origin, one unit = half its length.
void DrawShip(const raster::Painter& painter, int team);

}  // namespace pictures
