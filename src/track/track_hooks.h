// What the track asks of the layers above it (ships, music, particles, input, message boxes).
// The shell fills these in; an empty hook does nothing, except the message box, which is logged.
#pragma once

#include <functional>
#include <string>

struct TTrackHooks {
  // A new track was loaded: reset every ship for it and put them on the grid.
  std::function<void()> resetCars;
  // Start the race music playlist.
  std::function<void()> startMusic;
  // Drop every live particle.
  std::function<void()> clearParticles;
  // Forget mouse clicks that were waiting.
  std::function<void()> flushMouse;
  // A notice for the player, by text key ("CMESSAGE_EDITORWARNING_GRID").
  std::function<void(const std::string& key)> messageBox;
  // The human player's ship position in world pixels; false when nobody is playing.
  std::function<bool(float& x, float& y)> playerShipPosition;
  // A bound control (0 left, 1 right, 2 accelerate, 3 brake, ...) is held.
  std::function<bool(int control)> controlDown;
  // A key (virtual-key code) is held.
  std::function<bool(int key)> keyDown;
};
