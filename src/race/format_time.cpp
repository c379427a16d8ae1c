#include "race/format_time.h"

namespace {

// At least two digits; the thousandths take three.
std::string Padded(int value, int digits) {
  std::string text = std::to_string(value);
  while (static_cast<int>(text.size()) < digits) text.insert(text.begin(), '0');
  return text;
}

}  // namespace

std::string FormatTime(int ms, int shortForm) {
  if (ms < 1) return "--:--:--";
  const std::string minutes = Padded(ms / 60000, 2);
  const std::string seconds = Padded((ms % 60000) / 1000, 2);
  const std::string thousandths = Padded(ms % 1000, 3);
  if (shortForm) return seconds + ":" + thousandths.substr(0, 2);
  return minutes + ":" + seconds + ":" + thousandths;
}
