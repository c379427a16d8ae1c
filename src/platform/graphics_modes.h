// The full-screen display modes the settings window offers.
#pragma once

#include <vector>

struct TGraphicsMode {
  int width = 0;
  int height = 0;
  int depth = 0;   // bits a pixel
  int hertz = 0;   // refresh rate, 0 when the driver does not say
};

// The modes of the first display in the driver's order; empty without a display.
std::vector<TGraphicsMode> GraphicsModes();
int CountGraphicsModes();
// True when a mode of that size exists (depth and hertz 0 match any).
bool GraphicsModeExists(int width, int height, int depth = 0, int hertz = 0);
