#include "platform/key_codes.h"

namespace {

struct KeyPair {
  SDL_Scancode scancode;
  int code;
};

constexpr KeyPair kKeys[] = {
    {SDL_SCANCODE_BACKSPACE, 8},     {SDL_SCANCODE_TAB, 9},           {SDL_SCANCODE_CLEAR, 12},
    {SDL_SCANCODE_KP_CLEAR, 12},     {SDL_SCANCODE_RETURN, 13},       {SDL_SCANCODE_KP_ENTER, 13},
    {SDL_SCANCODE_PAUSE, 19},        {SDL_SCANCODE_CAPSLOCK, 20},     {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_SPACE, 32},        {SDL_SCANCODE_PAGEUP, 33},       {SDL_SCANCODE_PAGEDOWN, 34},
    {SDL_SCANCODE_END, 35},          {SDL_SCANCODE_HOME, 36},         {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_UP, 38},           {SDL_SCANCODE_RIGHT, 39},        {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_SELECT, 41},       {SDL_SCANCODE_EXECUTE, 43},      {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_INSERT, 45},       {SDL_SCANCODE_DELETE, 46},       {SDL_SCANCODE_HELP, 47},
    {SDL_SCANCODE_0, 48},            {SDL_SCANCODE_LGUI, 91},         {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_APPLICATION, 93},  {SDL_SCANCODE_KP_0, 96},         {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},     {SDL_SCANCODE_KP_MINUS, 109},    {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_KP_DIVIDE, 111},   {SDL_SCANCODE_NUMLOCKCLEAR, 144}, {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_LSHIFT, 160},      {SDL_SCANCODE_RSHIFT, 161},      {SDL_SCANCODE_LCTRL, 162},
    {SDL_SCANCODE_RCTRL, 163},       {SDL_SCANCODE_LALT, 164},        {SDL_SCANCODE_RALT, 165},
    {SDL_SCANCODE_SEMICOLON, 186},   {SDL_SCANCODE_EQUALS, 187},      {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189},       {SDL_SCANCODE_PERIOD, 190},      {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},       {SDL_SCANCODE_LEFTBRACKET, 219}, {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221}, {SDL_SCANCODE_APOSTROPHE, 222}, {SDL_SCANCODE_NONUSBACKSLASH, 226},
};

}  // namespace

int VirtualKeyCode(SDL_Scancode scancode, SDL_Keycode keycode) {
  // Letters follow the keyboard layout, as they do for the player's eyes.
  if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + (keycode - SDLK_a);
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) return 97 + (scancode - SDL_SCANCODE_KP_1);
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) return 112 + (scancode - SDL_SCANCODE_F1);
  if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) return 124 + (scancode - SDL_SCANCODE_F13);
  for (const KeyPair& pair : kKeys) {
    if (pair.scancode == scancode) return pair.code;
  }
  return 0;
}
