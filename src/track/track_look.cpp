#include "track/track_look.h"

#include <charconv>

TTrackLook TrackLook;

uint32_t ColourTextToArgb(const std::string& text) {
  if (text.size() < 2 || text[0] != '$') return 0;
  uint32_t argb = 0;
  const char* first = text.data() + 1;
  const char* last = text.data() + text.size();
  const auto result = std::from_chars(first, last, argb, 16);
  if (result.ec != std::errc() || result.ptr != last) return 0;
  return argb;
}
