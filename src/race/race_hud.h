// What the player's heads-up display keeps between frames, and the interface it draws over
// the race once the player's race is over (the results screen).
#pragma once

#include <functional>
#include <string>

class TImage;

struct TRaceHud {
  // "Lap" in the player's language and a space, made on the first frame that needs it.
  std::string LapLabel;
  // "--:--:--" while the player has not crossed the start line.
  std::string LapTimeText = "--:--:--";
  std::string LapText;
  // When the results table was last filled (GameTime).
  int ResultsRefreshTime = 0;

  // Updates and draws the interface over the race; nothing when not set.
  std::function<void()> drawInterface;
};

extern TRaceHud RaceHud;

// Back to the state of a race's first frame (the hooks stay).
void ResetRaceHud();
// The weapon's picture on the HUD (1 plasma .. 10 bomb); null for 0 or an unknown number.
TImage* WeaponPicture(int weapon);
