// Notes on a time line of sixteenth steps, grouped by the part that plays them.
#pragma once

#include <vector>

namespace music {

enum class Part { kLead, kBass, kPad, kArp, kKick, kSnare, kClap, kHat, kOpenHat, kCrash, kRiser };

struct Note {
  Part part;
  double step;     // start, in sixteenths from the start of the piece (swing included)
  double length;   // in sixteenths
  double midi;     // pitch; drums ignore it
  float velocity;  // 0 .. 1
};

using Score = std::vector<Note>;

}  // namespace music
