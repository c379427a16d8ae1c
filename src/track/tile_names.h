// Which files of a tile folder are tiles, and the names the game relies on.
#pragma once

#include <string>
#include <vector>

// The three start-grid tiles (grid places 1-4, 5-8 and 9-12): tile numbers 9, 10 and 11.
inline constexpr const char* kGridTileNames[3] = {"Track_10.png", "Track_11.png", "Track_12.png"};
// The pit-lane tile's number.
inline constexpr int kPitLaneTile = 17;

// A ".png" whose name holds neither "Pat" nor "Mini" (their companions) anywhere, case-sensitively.
bool IsTilePictureName(const std::string& name);
// The tile pictures of a folder in listing order, which is their numbering; empty when unreadable.
std::vector<std::string> ListTilePictures(const std::string& folder);
// Companion files of a tile picture: its terrain pattern and its minimap picture.
std::string PatternName(const std::string& tile);
std::string MiniName(const std::string& tile);
