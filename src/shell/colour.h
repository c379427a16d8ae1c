// Colour texts: "$AARRGGBB", used for tracks, ships, weapons and particles.
#pragma once

#include <string>

// Reads r, g, b from a colour text. Shorter than 6 characters: the outputs stay as they are.
// Longer than 6: the part from index 3 on is read (dropping "$" and the alpha pair).
void ParseColour(const std::string& text, int& r, int& g, int& b);
// Red, green and blue as two upper-case hexadecimal digits each ("FF8000").
std::string ColourToText(int r, int g, int b);
// One of the eight bright firework and particle colours, chosen uniformly.
std::string RandomColour();
