// What drawing the track takes from outside it: the glow picture and wall colour loaded at
// start-up, and the few things of the race and the interface it shows (filled by the shell;
// an empty hook draws or says nothing).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TImage;

struct TTrackLook {
  // "incbin::Inc/glowing_dot.png", the picture the glow lines sample.
  TImage* glow = nullptr;
  // The "colwall" colour text of Engine.ini.
  std::string wallColour;
  // The player's ship's last checkpoint line passed; false when nobody is playing.
  std::function<bool(int& lastwayline)> playerLastWayLine;
  // The mouse in window pixels, for the editor's object highlight.
  std::function<bool(int& x, int& y)> mousePosition;
  // The ships' markers on the race map.
  std::function<void()> drawCarsMini;
  // The player's text for a text key or English phrase; the phrase itself without it.
  std::function<std::string(const std::string& phrase)> text;
  // A lap time as the player reads it ("--:--:--" for none).
  std::function<std::string(int ms)> formatTime;
};

extern TTrackLook TrackLook;

// "$AARRGGBB" as the integer 0xAARRGGBB the glow lines take; 0 when it is not a colour text.
uint32_t ColourTextToArgb(const std::string& text);
