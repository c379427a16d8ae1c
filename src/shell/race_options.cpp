#include "shell/race_options.h"

#include <charconv>

namespace {

bool ParseWhole(const std::string& text, int& out) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
  return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace

std::string ParseRaceType(const std::string& value, int& type) {
  if (value == "normal") type = 1;
  else if (value == "eliminator") type = 3;
  else if (value == "survival") type = 4;
  else return "--type needs normal, eliminator or survival, not '" + value + "'";
  return {};
}

std::string ParseDifficulty(const std::string& value, int& difficulty) {
  if (value == "easy") difficulty = 1;
  else if (value == "normal") difficulty = 2;
  else if (value == "hard") difficulty = 3;
  else return "--difficulty needs easy, normal or hard, not '" + value + "'";
  return {};
}

std::string ParseLaps(const std::string& value, int& laps) {
  int n = 0;
  if (!ParseWhole(value, n) || n < 1 || n > 50) return "--laps needs a number of laps from 1 to 50, not '" + value + "'";
  laps = n;
  return {};
}

std::string ParseShip(const std::string& value, int& ship) {
  int n = 0;
  if (!ParseWhole(value, n) || n < 0 || n > 12) {
    return "--ship needs a ship number from 1 to 12 (0: the computer drives all), not '" + value + "'";
  }
  ship = n;
  return {};
}

std::string ParseWindowSize(const std::string& value, int& width, int& height) {
  const size_t x = value.find('x');
  int w = 0, h = 0;
  if (x == std::string::npos || !ParseWhole(value.substr(0, x), w) || !ParseWhole(value.substr(x + 1), h) ||
      w < 800 || h < 600 || w > 12000 || h > 12000) {
    return "--size needs WIDTHxHEIGHT of at least 800x600, not '" + value + "'";
  }
  width = w;
  height = h;
  return {};
}
