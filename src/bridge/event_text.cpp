#include "bridge/event_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

std::string Piece(const char* format, ...) {
  char buffer[kPieceLimit + 1];
  va_list arguments;
  va_start(arguments, format);
  const int written = std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);
  if (written < 0) return std::string();
  return std::string(buffer);
}

std::string PieceWithName(const std::string& before, const char* name, const std::string& after) {
  const size_t fixed = before.size() + after.size();
  const size_t room = fixed < kPieceLimit ? kPieceLimit - fixed : 0;
  const std::string text = name ? std::string(name, strnlen(name, room)) : std::string();
  return (before + text + after).substr(0, kPieceLimit);
}
