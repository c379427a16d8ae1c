// --race without --headless: the game window with one full race, the player's ship driven
// from the keyboard or a joystick against the computer's, with music, voices, effects, the
// HUD and the race map. The results are printed when the player's race is over.
#pragma once

#include "shell/race_engine.h"

struct CommandLineOptions;

// How long the results stay on screen before a command-line race ends.
inline constexpr int kResultsShownMs = 6000;

// The race engine's collaborators for a race in a window.
class TWindowedRaceClient : public RaceEngineClient {
 public:
  void Step() override;
  // 1 once the results have been shown for a while, or when the window is closed.
  int ProcessEvents() override;
  // Pause and resume, and the debug keys.
  void CheckInput() override;
  void Render(float tween) override;
  // True when the engine ended because the window was closed.
  bool WindowClosed() const { return closed_; }

 private:
  bool closed_ = false;
  // When the player's race was first seen to be over (GameTime); 0 while it runs.
  int overSince_ = 0;
};

// Toggles between racing (mode 2) and paused (mode 3); paused time does not count.
void PauseRace();

// Runs the whole session; returns the program's exit status (2 for a track that does not
// load or a window that does not open).
int RunWindowedRace(const CommandLineOptions& options);
