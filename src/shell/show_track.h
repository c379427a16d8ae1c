// --show-track NAME: a window that draws one built-in or saved track (grid, walls, tiles,
// objects and mini map), the camera scrolled with the cursor keys as in the editor.
#pragma once

struct CommandLineOptions;

// Runs until Escape or the window is closed; returns the program's exit status
// (1 when the track cannot be found, 2 without a window).
int RunShowTrack(const CommandLineOptions& options);
