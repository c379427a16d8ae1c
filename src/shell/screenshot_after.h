// --screenshot-after MS FILE: once MS milliseconds of GameTime have passed, the next frame
// shown is saved as a PNG and the program ends (status 0, or 1 when the file cannot be written).
#pragma once

#include <string>

// Hooks the frame flip of every window the game opens.
void InstallScreenshotAfter(int afterMs, const std::string& file);
// Saves the whole back buffer as a PNG with compression level 5; returns 1 on success.
int SaveScreenshot(const std::string& file);
