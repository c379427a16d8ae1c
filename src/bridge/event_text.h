// Building the pieces of event and debugger text: each piece fits 127 characters.
#pragma once

#include <string>

inline constexpr size_t kPieceLimit = 127;

// printf into a piece; longer text is cut to kPieceLimit characters.
std::string Piece(const char* format, ...) __attribute__((format(printf, 1, 2)));

// before + name + after, with the name shortened so that the piece fits and keeps its end
// (the "!" that closes an event); a missing name counts as empty.
std::string PieceWithName(const std::string& before, const char* name, const std::string& after);
