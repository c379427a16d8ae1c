// Turning SDL's events into the game's input events.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/input_events.h"

// Appends the input events one SDL event makes. Events of windows other than windowId are
// dropped (windowId 0, or an event of no window, takes them all).
void TranslateSdlEvent(const SDL_Event& event, uint32_t windowId, std::vector<TInputEvent>& out);
// UTF-8 text as UTF-16 code units.
std::vector<int> Utf16Units(const char* utf8);
