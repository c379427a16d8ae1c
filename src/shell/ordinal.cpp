#include "shell/ordinal.h"

std::string Ordinal(int n) {
  const int lastTwo = (n < 0 ? -n : n) % 100;
  const int last = lastTwo % 10;
  const char* suffix = "th";
  if (lastTwo < 11 || lastTwo > 13) {
    if (last == 1) suffix = "st";
    if (last == 2) suffix = "nd";
    if (last == 3) suffix = "rd";
  }
  return std::to_string(n) + suffix;
}
