#include "shell/colour.h"

#include <array>
#include <cstdio>

#include "shell/random.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A pair of hexadecimal digits; reading stops at the first character that is not one.
int HexPair(const std::string& text, size_t at) {
  int value = 0;
  for (size_t i = at; i < at + 2 && i < text.size(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0) break;
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace

void ParseColour(const std::string& text, int& r, int& g, int& b) {
  if (text.size() < 6) return;
  const std::string rgb = text.size() > 6 ? text.substr(3) : text;
  r = HexPair(rgb, 0);
  g = HexPair(rgb, 2);
  b = HexPair(rgb, 4);
}

std::string ColourToText(int r, int g, int b) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", r & 255, g & 255, b & 255);
  return text;
}

std::string RandomColour() {
  static const std::array<const char*, 8> kColours = {"$FFFF0000", "$FF00FF00", "$FF0066FF", "$FFFFFF00",
                                                      "$FF00FFFF", "$FFFF66FF", "$FFFF9900", "$FF6600FF"};
  return kColours[static_cast<size_t>(Rand(0, 7))];
}
