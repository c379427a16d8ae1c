// Small interface emblems shared by the medals, the padlock and the achievement badges.
#pragma once

#include "raster/painter.h"

namespace pictures {

// A medal disc of the given metal (light and dark tone) hanging from a ribbon, in a 32-unit box.
void DrawMedal(const raster::Painter& p, const raster::Colour& light, const raster::Colour& dark,
               const raster::Colour& ribbon, bool star);
// A padlock in a 32-unit box.
void DrawPadlock(const raster::Painter& p, const raster::Colour& metal);
// A dark edge behind a shape, so that masked pictures keep a clean border on any panel.
void DrawWithEdge(const raster::Painter& p, const raster::Shape& shape, const raster::Paint& paint, float edge);

}  // namespace pictures
