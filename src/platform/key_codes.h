// SDL's keys as the Windows virtual-key codes the game binds: cursor keys 37 to 40, left
// and right Shift, Control and Alt as 160 to 165. 0 for keys the game has no code for.
#pragma once

#include <SDL.h>

int VirtualKeyCode(SDL_Scancode scancode, SDL_Keycode keycode);
