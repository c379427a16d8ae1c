// Built-in stroke lettering: capital letters, digits and a little punctuation drawn as
// straight strokes with round ends, in an angular style that suits the game's titles.
#pragma once

#include <string>

#include "raster/shapes.h"

namespace raster {

// Width of the text whose capitals are height tall (same units as height).
float TextWidth(const std::string& text, float height);
// The text as one shape, its top-left corner at origin; strokes are stroke wide.
// Lower-case letters are drawn as capitals; characters without a glyph leave a space.
Shape TextShape(const std::string& text, Point origin, float height, float stroke);
// The same, centred horizontally on centreX.
Shape CentredText(const std::string& text, float centreX, float top, float height, float stroke);

}  // namespace raster
