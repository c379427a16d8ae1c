// The seven controls (left, right, accelerate, brake, pause, information, shoot), each
// bound to a key, a joystick button or a joystick axis direction, and their names.
#pragma once

#include <functional>
#include <string>

// Codes: 0 unbound; 1 .. 255 a key; -1 .. -99 joystick button -code - 1; -100 .. -105 the
// X, Y and Z axes below -0.4 / above 0.4.
// 1 while the binding is active.
int ControlDown(int control);
// 1 when the binding was pressed since it was last asked.
int ControlHit(int control);
// The binding as the player reads it.
std::string ControlName(int control);

// Looks up the player's text for a text key; until the language file is read the key
// itself stands in.
using TextLookup = std::function<std::string(const std::string& key)>;
void SetControlTextLookup(TextLookup lookup);
// The name key of a key code ("key_ShiftRight"), empty for codes without a name.
std::string KeyNameKey(int code);
// Fills KeyNames with the texts of the name keys (through the lookup when given).
void BuildKeyNames(const TextLookup& lookup = nullptr);
