// --draw-test: a window that exercises the drawing and input layers: images, text in every
// font, shapes and glow lines, and what the keyboard, mouse and joystick report.
#pragma once

struct CommandLineOptions;

// Runs until Escape or the window is closed; returns the program's exit status.
int RunDrawTest(const CommandLineOptions& options);
