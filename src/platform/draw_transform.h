// Turning positions relative to a drawing point into window vertices with the current
// transform, origin, colour and alpha.
#pragma once

#include "platform/draw_state.h"
#include "platform/render_driver.h"

// (px, py) through the matrix, placed at (x, y) plus the origin.
TDrawVertex PlaceVertex(float px, float py, float x, float y, float u = 0, float v = 0);
// Makes the current blend mode and line width the driver's.
TRenderDriver& PrepareDriver();
