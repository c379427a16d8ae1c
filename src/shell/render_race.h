// One drawn frame of the race engine: the track, particles, ships, weapons, the race map and
// the player's information by the track's mode, the screen messages, the debug overlay, and
// the F5 screenshot.
#pragma once

#include <functional>
#include <string>

// Draws the frame interpolated by tween (0 <= tween < 1) and shows it.
void RenderRace(float tween);

// The interface drawn over the race while paused (and in the editor's menu): updated and
// drawn once a frame. Without one, a paused race shows a plain "Paused" line.
void SetRaceInterface(std::function<void()> drawInterface);

// Where F5 saves: SaveFolder + "screenshot_" + 1..999 + ".png".
std::string ScreenshotPath(int number);
// The frame counter shared with the menus: Fps is the count of the last whole second.
void CountFrame();
