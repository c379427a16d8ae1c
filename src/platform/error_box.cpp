#include "platform/error_box.h"

#include <SDL.h>

#include <cstdio>

void ShowErrorBox(const std::string& title, const std::string& text, bool serious, bool windowed) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  if (!windowed) return;
  const Uint32 flags = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_WARNING;
  // With no display the box cannot open; the line on standard error has told the player.
  SDL_ShowSimpleMessageBox(flags, title.c_str(), text.c_str(), nullptr);
}
