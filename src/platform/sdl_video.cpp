#include "platform/sdl_video.h"

#include <SDL.h>

bool AcquireSdlVideo() { return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; }

void ReleaseSdlVideo() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

bool DisplayAvailable() {
  if (!AcquireSdlVideo()) return false;
  ReleaseSdlVideo();
  return true;
}
