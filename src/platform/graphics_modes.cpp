#include "platform/graphics_modes.h"

#include <SDL.h>

#include "platform/sdl_video.h"

std::vector<TGraphicsMode> GraphicsModes() {
  std::vector<TGraphicsMode> modes;
  if (!AcquireSdlVideo()) return modes;
  const int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
    // Padded 24-bit formats take 32 bits a pixel, which is what players know them as.
    const int depth = SDL_BYTESPERPIXEL(mode.format) * 8;
    modes.push_back({mode.w, mode.h, depth, mode.refresh_rate});
  }
  ReleaseSdlVideo();
  return modes;
}

int CountGraphicsModes() { return static_cast<int>(GraphicsModes().size()); }

bool GraphicsModeExists(int width, int height, int depth, int hertz) {
  for (const TGraphicsMode& mode : GraphicsModes()) {
    if (mode.width != width || mode.height != height) continue;
    if (depth != 0 && mode.depth != depth) continue;
    if (hertz != 0 && mode.hertz != hertz) continue;
    return true;
  }
  return false;
}
